// Which devices of a Linux device tree become COM1 to COM9.
#include "platform/serial_port_device.h"
#include "tests/core/scratch_serial_devices.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

// Three adapters udev named, a fourth pulled out a moment ago, a built-in port, a virtual console,
// and variables for COM1 (an adapter's stable name), COM2 (empty) and COM5 (a device not found).
void AdaptersNamedByUdev(ScratchSerialDevices& scratch) {
    for (const char* node : {"ttyUSB0", "ttyUSB1", "ttyACM0", "tty0"}) {
        scratch.AddNode(node);
    }
    scratch.AddStableName("usb-FTDI-if00", "ttyUSB1");
    scratch.AddStableName("usb-Arduino-if00", "ttyACM0");
    scratch.AddStableName("usb-1a86-if00", "ttyUSB0");
    scratch.AddStableName("usb-Unplugged-if00", "ttyUSB7");
    scratch.AddUsbTty("ttyUSB1", "FTDI", "FT232R", "A10K");
    scratch.AddBuiltInTty("ttyS0", "4");
    fs::create_directories(ActiveSerialDeviceRoots().sys / "class/tty/tty0");
    setenv("GRT8_COM1", (ActiveSerialDeviceRoots().dev / "serial/by-id/usb-FTDI-if00").c_str(), 1);
    setenv("GRT8_COM2", "", 1);
    setenv("GRT8_COM5", "/dev/ttyUSB9", 1);
}

// No udev: an adapter, then the built-in ports with a UART by number; ttyS1 has none.
void NoUdev(ScratchSerialDevices& scratch) {
    scratch.AddNode("ttyUSB2");
    scratch.AddUsbTty("ttyUSB2", "Prolific", "USB-Serial", "");
    scratch.AddBuiltInTty("ttyAMA0", "");
    scratch.AddBuiltInTty("ttyS1", "0");
    scratch.AddBuiltInTty("ttyS10", "4");
    scratch.AddBuiltInTty("ttyS2", "4");
}

// "COMn DEVICE STABLE-NAME PRODUCT [env]" for each port with a device, paths by their last part.
std::string Listing() {
    const auto name = [](const std::string& path) { return fs::path(path).filename().string(); };
    std::string text;
    for (const ComPortAssignment& port : AssignComPorts()) {
        if (!port.devicePath.empty()) {
            text += port.Name() + " " + name(port.devicePath) + " " + name(port.device.stableName) +
                    " " + port.device.product + (port.fromEnvironment ? " env; " : "; ");
        }
    }
    return text;
}

TEST(SerialDevices, ComPortsOfEachDeviceTree) {
    const std::pair<void (*)(ScratchSerialDevices&), std::string> trees[] = {
        {AdaptersNamedByUdev, "COM1 usb-FTDI-if00 usb-FTDI-if00 FT232R env; COM2 ttyACM0 "
                              "usb-Arduino-if00 ; COM3 ttyUSB1 usb-FTDI-if00 FT232R; "
                              "COM4 ttyS0  ; COM5 ttyUSB9   env; "},
        {NoUdev, "COM1 ttyUSB2  USB-Serial; COM2 ttyAMA0  ; COM3 ttyS2  ; COM4 ttyS10  ; "},
    };
    for (const auto& [build, expected] : trees) {
        ScratchSerialDevices scratch;
        build(scratch);
        EXPECT_EQ(Listing(), expected);
    }
}

} // namespace
