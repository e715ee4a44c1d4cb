#include "link/module_link.h"
#include "platform/message_box.h"
#include "platform/serial_port_device.h"
#include "tests/core/scratch_serial_devices.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct ExpectedPort {
    std::string device;
    std::string stableName;
    std::string product;
    bool fromEnvironment = false;
};

// Adapters by their stable names, then adapters udev did not name, then built-in ports with a
// UART, both by number, then nothing; GRT8_COMn wins for its own port without moving the
// others. The variables are put back as they were when the scratch folder goes.
TEST(SerialDevicesTest, ComPortsTakeAdaptersThenBuiltInPortsAndTheVariablesWin) {
    ScratchSerialDevices scratch;
    const std::string ftdi = "usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0";
    const std::string arduino = "usb-Arduino_Uno_7543-if00";
    const std::string usb1 = scratch.AddNode("ttyUSB1");
    const std::string acm0 = scratch.AddNode("ttyACM0");
    const std::string ftdiLink = scratch.AddStableName(ftdi, "ttyUSB1");
    const std::string arduinoLink = scratch.AddStableName(arduino, "ttyACM0");
    scratch.AddStableName("usb-Unplugged_Adapter-if00-port0", "ttyUSB7");
    scratch.AddUsbTty("ttyUSB1", "FTDI", "FT232R USB UART", "A10K3XYZ");
    const std::string usb3 = scratch.AddNode("ttyUSB3");
    scratch.AddUsbTty("ttyUSB3", "Prolific", "USB-Serial Controller", "");
    const std::string ama0 = scratch.AddNode("ttyAMA0");
    scratch.AddBuiltInTty("ttyAMA0", "");
    std::map<std::string, std::string> builtIn;
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS10"}) {
        builtIn[name] = scratch.AddNode(name);
    }
    scratch.AddBuiltInTty("ttyS0", "4");
    scratch.AddBuiltInTty("ttyS1", "0");
    scratch.AddBuiltInTty("ttyS2", "4");
    scratch.AddBuiltInTty("ttyS10", "4");
    scratch.AddBuiltInTty("ttyS3", "4");
    scratch.AddNode("tty0");
    scratch.AddVirtualTty("tty0");
    setenv("GRT8_COM2", ftdiLink.c_str(), 1);
    setenv("GRT8_COM8", "/dev/ttyUSB9", 1);

    const std::vector<ExpectedPort> expected = {
        {acm0, arduinoLink, ""},
        {ftdiLink, ftdiLink, "FT232R USB UART", true},
        {usb3, "", "USB-Serial Controller"},
        {ama0, "", ""},
        {builtIn["ttyS0"], "", ""},
        {builtIn["ttyS2"], "", ""},
        {builtIn["ttyS10"], "", ""},
        {"/dev/ttyUSB9", "", "", true},
        {"", "", ""},
    };
    const std::vector<ComPortAssignment> ports = AssignComPorts();
    ASSERT_EQ(ports.size(), expected.size());
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE("COM" + std::to_string(i + 1));
        EXPECT_EQ(ports[i].digit, static_cast<char>('1' + i));
        EXPECT_EQ(ports[i].devicePath, expected[i].device);
        EXPECT_EQ(ports[i].device.stableName, expected[i].stableName);
        EXPECT_EQ(ports[i].device.product, expected[i].product);
        EXPECT_EQ(ports[i].fromEnvironment, expected[i].fromEnvironment);
    }
    EXPECT_EQ(ports[1].device.path, usb1);
    EXPECT_EQ(ports[1].device.vendor, "FTDI");
    EXPECT_EQ(ports[1].device.serialNumber, "A10K3XYZ");
    EXPECT_EQ(SerialPortDevicePath("COM4"), ama0);
    EXPECT_EQ(SerialPortDevicePath("COM9"), "");
    EXPECT_EQ(SerialPortDevicePath("COM10"), "COM10");
    EXPECT_EQ(SerialPortDevicePath("/dev/ttyACM3"), "/dev/ttyACM3");
}

// A pseudo-terminal stands in for the adapter; the module operations find it as COM1 when they
// start, and an adapter pulled out before they start leaves COM1 with nothing to open.
TEST(SerialDevicesTest, TheFirstAdapterIsCom1ForTheModuleOperations) {
    std::vector<std::string> messageBoxes;
    const MessageBoxHandler previousBox =
        SetMessageBoxHandler([&](const std::string& text) { messageBoxes.push_back(text); });
    ScratchSerialDevices scratch;
    SimProcess sim(GRT8_SIM_PATH, {"--fast"});
    ASSERT_FALSE(sim.path().empty()) << sim.ErrorOutput();
    scratch.AddNode("ttyUSB0", sim.path());
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");

    ASSERT_TRUE(theLink.OpenPort('1'));
    char version[11] = {};
    EXPECT_TRUE(theLink.Connect(version));
    theLink.ClosePort();

    scratch.RemoveNode("ttyUSB0");
    EXPECT_FALSE(theLink.OpenPort('1'));
    theLink.ClosePort();
    SetMessageBoxHandler(previousBox);
    EXPECT_TRUE(messageBoxes.empty());
}

} // namespace
