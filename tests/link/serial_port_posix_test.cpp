#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "platform/serial_port_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

constexpr SerialTimeouts kModuleTimeouts{0, 10, 100, 0, 100};

// A pseudo-terminal made by the test itself, for looking at the line from the far end.
class PtyPair {
public:
    PtyPair() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
            m_path = ptsname(m_master);
        }
    }
    ~PtyPair() { HangUp(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& path() const { return m_path; }
    int master() const { return m_master; }
    void HangUp() {
        if (m_master >= 0) {
            close(m_master);
            m_master = -1;
        }
    }

    // The terminal hands bytes on asynchronously, so they may come in pieces.
    Bytes Read(std::size_t count) const {
        Bytes bytes(count);
        std::size_t received = 0;
        pollfd watched{m_master, POLLIN, 0};
        while (received < count && poll(&watched, 1, 2000) > 0) {
            const ssize_t got = read(m_master, bytes.data() + received, count - received);
            if (got <= 0) {
                break;
            }
            received += static_cast<std::size_t>(got);
        }
        bytes.resize(received);
        return bytes;
    }

private:
    int m_master = -1;
    std::string m_path;
};

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(SerialPortPosixTest, TheLineIsRawEightNoneOneAt1200AndCarriesEveryByte) {
    PtyPair pty;
    std::vector<std::string> messageBoxes;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&](const std::string& text) { messageBoxes.push_back(text); });
    ASSERT_TRUE(theLink.OpenPortAt(pty.path()));
    SetMessageBoxHandler(previous);

    termios line{};
    ASSERT_EQ(tcgetattr(pty.master(), &line), 0);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B1200));
    EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B1200));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0U);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP | INPCK), 0U);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0U);
    EXPECT_EQ(line.c_oflag & OPOST, 0U);
    EXPECT_TRUE(messageBoxes.empty());

    const Bytes bytes = {'\r', '\n', 0x00, 0xFF, 0x11, 0x13, 0x03};
    for (std::uint8_t byte : bytes) {
        ASSERT_TRUE(g_hPort->WriteByte(byte));
    }
    EXPECT_EQ(pty.Read(bytes.size()), bytes);
    ASSERT_EQ(write(pty.master(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    Bytes received(bytes.size());
    EXPECT_EQ(g_hPort->Read(received.data(), received.size()), bytes.size());
    EXPECT_EQ(received, bytes);
    theLink.ClosePort();
    g_hPort.reset();
}

// A read lasts its total timeout; on a line hung up or a port closed it ends at once, and
// writes fail.
TEST(SerialPortPosixTest, AReadEndsWithItsTotalTimeoutOrAtOnceOnALineThatIsGone) {
    PtyPair pty;
    SerialPortOpenResult opened = OpenSerialPortDevice(pty.path());
    ASSERT_NE(opened.port, nullptr);
    ASSERT_TRUE(opened.port->ReadLineSettings());
    ASSERT_TRUE(opened.port->WriteLineSettings(1200));
    opened.port->SetTimeouts(kModuleTimeouts);
    ASSERT_EQ(write(pty.master(), "ab", 2), 2);
    std::uint8_t buffer[64];
    Clock::time_point start = Clock::now();
    EXPECT_EQ(opened.port->Read(buffer, 10), 2U);
    EXPECT_GE(SecondsSince(start), 0.2);

    pty.HangUp();
    for (int closed = 0; closed < 2; ++closed) {
        start = Clock::now();
        EXPECT_EQ(opened.port->Read(buffer, 64), 0U);
        EXPECT_FALSE(opened.port->WriteByte('v'));
        EXPECT_LT(SecondsSince(start), 0.5);
        opened.port->Close();
    }
}

TEST(SerialPortPosixTest, OpeningFailsWithTheReasonAndReleasesTheDeviceOnClose) {
    PtyPair pty;
    EXPECT_EQ(OpenSerialPortDevice("/dev/grt8-no-such-port").error.reason,
              PortOpenReason::NoSuchDevice);
    EXPECT_EQ(OpenSerialPortDevice("/dev/null").error.reason, PortOpenReason::NotASerialPort);

    SerialPortOpenResult first = OpenSerialPortDevice(pty.path());
    ASSERT_NE(first.port, nullptr);
    SerialPortOpenResult second = OpenSerialPortDevice(pty.path());
    EXPECT_EQ(second.port, nullptr);
    EXPECT_EQ(second.error.reason, PortOpenReason::InUse);
    first.port->Close();
    EXPECT_NE(OpenSerialPortDevice(pty.path()).port, nullptr);
}

} // namespace
