#include "platform/serial_port_device.h"
#include "tests/core/scratch_serial_devices.h"

#include <gtest/gtest.h>

namespace {

// Adapters by their stable names, then adapters udev did not name, then built-in ports with a
// UART, both by number, then nothing; GRT8_COMn wins for its own port without moving the
// others. Virtual consoles, built-in ports without a UART and dangling names are no ports.
TEST(SerialDevicesTest, ComPortsTakeAdaptersThenBuiltInPortsAndTheVariablesWin) {
    ScratchSerialDevices scratch;
    for (const char* node : {"ttyUSB1", "ttyACM0", "ttyUSB3", "ttyAMA0", "ttyS0", "ttyS1", "ttyS2",
                             "ttyS10", "tty0"}) {
        scratch.AddNode(node);
    }
    const std::string ftdi = scratch.AddStableName("usb-FTDI_A10K3XYZ-if00-port0", "ttyUSB1");
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    scratch.AddStableName("usb-Unplugged_Adapter-if00-port0", "ttyUSB7");
    scratch.AddUsbTty("ttyUSB1", "FTDI", "FT232R USB UART", "A10K3XYZ");
    scratch.AddUsbTty("ttyUSB3", "Prolific", "USB-Serial Controller", "");
    scratch.AddBuiltInTty("ttyAMA0", "");
    for (const auto& [name, type] :
         {std::pair{"ttyS0", "4"}, std::pair{"ttyS1", "0"}, std::pair{"ttyS2", "4"},
          std::pair{"ttyS10", "4"}, std::pair{"ttyS3", "4"}}) {
        scratch.AddBuiltInTty(name, type);
    }
    scratch.AddVirtualTty("tty0");
    setenv("GRT8_COM2", ftdi.c_str(), 1);
    setenv("GRT8_COM8", "/dev/ttyUSB9", 1);

    std::vector<std::string> ports;
    for (const ComPortAssignment& port : AssignComPorts()) {
        const SerialDevice& device = port.device;
        std::string text = port.Name() + " " + port.devicePath + " (" + device.path + " " +
                           device.stableName + " " + device.vendor + "/" + device.product + "/" +
                           device.serialNumber + ")" + (port.fromEnvironment ? " variable" : "");
        for (std::size_t at; (at = text.find(scratch.Roots().dev.string())) != std::string::npos;) {
            text.replace(at, scratch.Roots().dev.string().size(), "/dev");
        }
        ports.push_back(text);
    }
    const std::vector<std::string> expected = {
        "COM1 /dev/ttyACM0 (/dev/ttyACM0 "
        "/dev/serial/by-id/usb-Arduino_Uno_7543-if00 //)",
        "COM2 /dev/serial/by-id/usb-FTDI_A10K3XYZ-if00-port0 (/dev/ttyUSB1 "
        "/dev/serial/by-id/usb-FTDI_A10K3XYZ-if00-port0 FTDI/FT232R USB UART/A10K3XYZ) variable",
        "COM3 /dev/ttyUSB3 (/dev/ttyUSB3  Prolific/USB-Serial Controller/)",
        "COM4 /dev/ttyAMA0 (/dev/ttyAMA0  //)",
        "COM5 /dev/ttyS0 (/dev/ttyS0  //)",
        "COM6 /dev/ttyS2 (/dev/ttyS2  //)",
        "COM7 /dev/ttyS10 (/dev/ttyS10  //)",
        "COM8 /dev/ttyUSB9 (/dev/ttyUSB9  //) variable",
        "COM9  (  //)"};
    EXPECT_EQ(ports, expected);
    EXPECT_EQ(SerialPortDevicePath("COM4"), scratch.Roots().dev / "ttyAMA0");
    EXPECT_EQ(SerialPortDevicePath("COM9"), "");
    EXPECT_EQ(SerialPortDevicePath("COM10"), "COM10");
}

} // namespace
