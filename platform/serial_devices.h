#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A serial device present on this computer, and what it says about itself where it says.
struct SerialDevice {
    // The device node that is opened, such as /dev/ttyUSB0.
    std::string path;
    // A name that stays with the adapter when it is plugged in again, or into another socket;
    // empty for built-in ports.
    std::string stableName;
    std::string vendor;
    std::string product;
    std::string serialNumber;
};

// Where the devices are looked for: the device folder and the kernel's device tree.
struct SerialDeviceRoots {
    std::filesystem::path dev = "/dev";
    std::filesystem::path sys = "/sys";
};

// The serial devices present now, in the order the ports COM1, COM2, ... take them. Looked up
// anew on every call, so an adapter plugged in a moment ago is there.
std::vector<SerialDevice> FindSerialDevices(const SerialDeviceRoots& roots);

// The roots the console's ports are found under: the system's own unless a test has put a
// scratch folder shaped like them in their place.
const SerialDeviceRoots& ActiveSerialDeviceRoots();
// Returns the roots that were active before. Swap them only while no module operation runs.
SerialDeviceRoots UseSerialDeviceRoots(const SerialDeviceRoots& roots);
