#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "platform/serial_port_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The link opens the far end of a pseudo-terminal made here, so the line can be looked at: raw
// 8N1 at 1200 baud, taken for the link alone until it is closed. A read returns what came
// within its total timeout, and on a line hung up ends at once while writes fail.
TEST(SerialPortPosixTest, TheLinkGetsARawLineOfItsOwnAtTheModulesSpeed) {
    int master = -1;
    int slave = -1;
    char path[128];
    ASSERT_EQ(openpty(&master, &slave, path, nullptr, nullptr), 0);
    close(slave);
    const MessageBoxHandler previous =
        SetMessageBoxHandler([](const std::string& text) { ADD_FAILURE() << text; });
    ASSERT_TRUE(theLink.OpenPortAt(path));
    SetMessageBoxHandler(previous);
    termios line{};
    ASSERT_EQ(tcgetattr(master, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B1200));
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP | INPCK), 0U);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0U);
    EXPECT_EQ(line.c_oflag & OPOST, 0U);
    EXPECT_EQ(OpenSerialPortDevice(path).error.reason, PortOpenReason::InUse);
    EXPECT_EQ(OpenSerialPortDevice("/dev/null").error.reason, PortOpenReason::NotASerialPort);
    EXPECT_EQ(OpenSerialPortDevice("/dev/grt8-none").error.reason, PortOpenReason::NoSuchDevice);
    theLink.ClosePort();

    SerialPortOpenResult opened = OpenSerialPortDevice(path);
    ASSERT_NE(opened.port, nullptr);
    opened.port->WriteLineSettings(1200);
    opened.port->SetTimeouts({0, 10, 100, 0, 100});
    ASSERT_EQ(write(master, "\r\n\x11", 3), 3);
    std::uint8_t buffer[10] = {};
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(opened.port->Read(buffer, 10), 3U);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(std::string(buffer, buffer + 3), "\r\n\x11");
    close(master);
    EXPECT_EQ(opened.port->Read(buffer, 64), 0U);
    EXPECT_FALSE(opened.port->WriteByte('v'));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(700));
    theLink.ClosePort();
    g_hPort.reset();
}

} // namespace
