#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "platform/serial_port_device.h"
#include "tests/core/scratch_serial_devices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string Named(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// COM ports are the adapters by their stable names, then the adapters udev did not name, then
// built-in ports with a UART by number; GRT8_COMn wins for its own port without moving the
// others. COM1 here is the far end of a pseudo-terminal, so the line can be looked at: raw 8N1
// at 1200 baud, for the link alone until it closes. A read returns what came within its total
// timeout, and on a line hung up ends at once while writes fail.
TEST(SerialPortPosixTest, ComPortsOpenTheDevicesFoundAsTheModulesLine) {
    int master = -1;
    int slave = -1;
    char pty[128];
    ASSERT_EQ(openpty(&master, &slave, pty, nullptr, nullptr), 0);
    close(slave);
    ScratchSerialDevices scratch;
    scratch.AddNode("ttyACM0", pty);
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    scratch.AddStableName("usb-Unplugged_Adapter-if00-port0", "ttyUSB7");
    for (const char* node : {"ttyUSB3", "ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyAMA0", "tty0"}) {
        scratch.AddNode(node);
    }
    scratch.AddUsbTty("ttyUSB3", "Prolific", "USB-Serial Controller", "");
    for (const auto& [name, type] :
         {std::pair{"ttyS0", "4"}, std::pair{"ttyS1", "0"}, std::pair{"ttyS2", "4"},
          std::pair{"ttyS10", "4"}, std::pair{"ttyS3", "4"}, std::pair{"ttyAMA0", ""}}) {
        scratch.AddBuiltInTty(name, type);
    }
    scratch.AddVirtualTty("tty0");
    setenv("GRT8_COM7", "/dev/ttyUSB9", 1);
    std::string ports;
    for (const ComPortAssignment& port : AssignComPorts()) {
        ports += port.Name() + " " + Named(port.devicePath) + " " + Named(port.device.stableName) +
                 " " + port.device.product + (port.fromEnvironment ? " variable" : "") + "\n";
    }
    EXPECT_EQ(ports, "COM1 ttyACM0 usb-Arduino_Uno_7543-if00 \nCOM2 ttyUSB3  USB-Serial "
                     "Controller\nCOM3 ttyAMA0  \nCOM4 ttyS0  \nCOM5 ttyS2  \nCOM6 ttyS10  \n"
                     "COM7 ttyUSB9   variable\nCOM8   \nCOM9   \n");

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

    ASSERT_EQ(write(master, "\r\n\x11", 3), 3);
    std::uint8_t buffer[64] = {};
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(g_hPort->Read(buffer, 10), 3U);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(std::string(buffer, buffer + 3), "\r\n\x11");
    close(master);
    EXPECT_EQ(g_hPort->Read(buffer, 64), 0U);
    EXPECT_FALSE(g_hPort->WriteByte('v'));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(700));
    theLink.ClosePort();
    g_hPort.reset();
}

} // namespace
