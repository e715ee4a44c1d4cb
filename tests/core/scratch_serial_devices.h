#pragma once

#include "platform/serial_devices.h"
#include "tests/core/temporary_folder.h"

#include <string>
#include <utility>
#include <vector>

// A scratch folder shaped like /dev and /sys, where the console's ports are found for as long
// as the object lives; GRT8_COM1 to GRT8_COM9 are unset meanwhile and put back afterwards.
class ScratchSerialDevices {
public:
    ScratchSerialDevices();
    ~ScratchSerialDevices();
    ScratchSerialDevices(const ScratchSerialDevices&) = delete;
    ScratchSerialDevices& operator=(const ScratchSerialDevices&) = delete;

    // A device node: a plain file, or a link to a real device (a pseudo-terminal) when `target`
    // is given. Returns its path.
    std::string AddNode(const std::string& name, const std::string& target = {});
    void RemoveNode(const std::string& name);
    // The link udev makes for an adapter, serial/by-id/NAME -> ../../NODE. Returns its path.
    std::string AddStableName(const std::string& stableName, const std::string& node);
    // A USB adapter's tty in the device tree, with what the adapter says about itself.
    void AddUsbTty(const std::string& name, const std::string& vendor, const std::string& product,
                   const std::string& serialNumber);
    // A built-in port: its device node, its tty with a driver, and the UART type the kernel
    // reports for it when `type` is given ("0" when no UART answers).
    void AddBuiltInTty(const std::string& name, const std::string& type);

private:
    TemporaryFolder m_folder;
    SerialDeviceRoots m_roots;
    SerialDeviceRoots m_previousRoots;
    std::vector<std::pair<std::string, std::string>> m_previousVariables;
};
