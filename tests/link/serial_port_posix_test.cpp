#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "platform/serial_port_device.h"
#include "tests/core/scratch_serial_devices.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// COM ports are the adapters by their stable names, then the adapters udev did not name, then
// built-in ports with a UART by number. COM1 here is the far end of a pseudo-terminal, so the
// line can be looked at: raw 8N1 at 1200 baud, for the link alone until it closes.
TEST(SerialPortPosixTest, ComPortsOpenTheDevicesFoundAsTheModulesLine) {
    int master = -1;
    int slave = -1;
    char pty[128];
    ASSERT_EQ(openpty(&master, &slave, pty, nullptr, nullptr), 0);
    close(slave);
    ScratchSerialDevices scratch;
    for (const char* node : {"ttyUSB3", "ttyS1", "ttyS2", "ttyS10", "tty0"}) {
        scratch.AddNode(node);
    }
    scratch.AddUsbTty("ttyUSB3", "Prolific", "USB-Serial Controller", "");
    scratch.AddNode("ttyACM0", pty);
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    scratch.AddBuiltInTty("ttyS1", "0");
    scratch.AddBuiltInTty("ttyS2", "4");
    scratch.AddBuiltInTty("ttyS10", "");
    scratch.AddVirtualTty("tty0");
    std::string ports;
    for (const ComPortAssignment& port : AssignComPorts()) {
        ports += std::filesystem::path(port.devicePath).filename().string() + " ";
    }
    EXPECT_EQ(ports, "ttyACM0 ttyUSB3 ttyS2 ttyS10      ");

    const MessageBoxHandler previous =
        SetMessageBoxHandler([](const std::string& text) { ADD_FAILURE() << text; });
    ASSERT_TRUE(theLink.OpenPort('1'));
    SetMessageBoxHandler(previous);
    termios line{};
    ASSERT_EQ(tcgetattr(master, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B1200));
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP | INPCK), 0U);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0U);
    EXPECT_EQ(line.c_oflag & OPOST, 0U);
    EXPECT_EQ(OpenSerialPortDevice(pty).error.reason, PortOpenReason::InUse);
    EXPECT_EQ(OpenSerialPortDevice("/dev/null").error.reason, PortOpenReason::NotASerialPort);
    theLink.ClosePort();
    g_hPort.reset();
    close(master);
}

} // namespace
