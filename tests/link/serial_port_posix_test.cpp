#include "link/module_link.h"
#include "platform/serial_port_device.h"

#include <chrono>
#include <gtest/gtest.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

// The link opens the far end of a pseudo-terminal, so the line can be looked at: raw 8N1 at
// 1200 baud, for the link alone until it closes.
TEST(SerialPortPosixTest, TheLinkGetsARawLineOfItsOwnAtTheModulesSpeed) {
    int master = -1;
    int slave = -1;
    char pty[128];
    ASSERT_EQ(openpty(&master, &slave, pty, nullptr, nullptr), 0);
    close(slave);
    ASSERT_TRUE(theLink.OpenPortAt(pty));
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

    // A read waits its whole timeout for bytes that do not come (100 ms + 10 ms a byte asked
    // for); once the line is hung up it ends at once, and writes fail.
    SerialPortOpenResult opened = OpenSerialPortDevice(pty);
    ASSERT_NE(opened.port, nullptr);
    ASSERT_TRUE(opened.port->SetTimeouts({0, 10, 100, 0, 100}));
    ASSERT_EQ(write(master, "ab", 2), 2);
    std::uint8_t buffer[64];
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(opened.port->Read(buffer, 10), 2U);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    close(master);
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(opened.port->Read(buffer, 64), 0U);
    EXPECT_FALSE(opened.port->WriteByte('v'));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}
