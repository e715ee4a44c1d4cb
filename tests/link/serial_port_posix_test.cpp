#include "platform/serial_port_device.h"
#include "pty_fixture.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

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

private:
    int m_master = -1;
    std::string m_path;
};

// The terminal hands bytes on to the far end asynchronously, so they may come in pieces.
std::vector<std::uint8_t> ReadFromFarEnd(int master, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::size_t received = 0;
    pollfd watched{master, POLLIN, 0};
    while (received < count && poll(&watched, 1, 2000) > 0) {
        const ssize_t got = read(master, bytes.data() + received, count - received);
        if (got <= 0) {
            break;
        }
        received += static_cast<std::size_t>(got);
    }
    bytes.resize(received);
    return bytes;
}

using SerialPortPosixTest = PtyLinkTest;

TEST_F(SerialPortPosixTest, OpenPortPutsTheLineIntoRawEightNoneOneAt1200) {
    PtyPair pty;
    ComPortMapping com1(pty.path());

    ASSERT_TRUE(theLink.OpenPort('1'));

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
}

TEST_F(SerialPortPosixTest, BytesCrossTheLineUnchanged) {
    PtyPair pty;
    ComPortMapping com1(pty.path());
    ASSERT_TRUE(theLink.OpenPort('1'));
    const std::uint8_t toModule[] = {'\r', '\n', 0x00, 0xFF, 0x11, 0x13, 0x03};

    for (std::uint8_t byte : toModule) {
        ASSERT_TRUE(g_hPort->WriteByte(byte));
    }
    EXPECT_EQ(ReadFromFarEnd(pty.master(), sizeof toModule),
              std::vector<std::uint8_t>(std::begin(toModule), std::end(toModule)));

    ASSERT_EQ(write(pty.master(), toModule, sizeof toModule),
              static_cast<ssize_t>(sizeof toModule));
    std::uint8_t received[sizeof toModule] = {};
    EXPECT_EQ(g_hPort->Read(received, sizeof received), sizeof received);
    EXPECT_EQ(std::vector<std::uint8_t>(std::begin(received), std::end(received)),
              std::vector<std::uint8_t>(std::begin(toModule), std::end(toModule)));
}

TEST_F(SerialPortPosixTest, AReadReturnsWhatArrivedWhenItsTotalTimeoutRunsOut) {
    PtyPair pty;
    SerialPortOpenResult opened = OpenSerialPortDevice(pty.path());
    ASSERT_NE(opened.port, nullptr);
    ASSERT_TRUE(opened.port->ReadLineSettings());
    ASSERT_TRUE(opened.port->WriteLineSettings(1200));
    opened.port->SetTimeouts(kModuleTimeouts);
    ASSERT_EQ(write(pty.master(), "ab", 2), 2);
    std::uint8_t buffer[10];
    const Clock::time_point start = Clock::now();

    EXPECT_EQ(opened.port->Read(buffer, 10), 2U);
    EXPECT_GE(SecondsSince(start), 0.2);
}

TEST_F(SerialPortPosixTest, AHungUpLineEndsReadsAtOnceAndFailsWrites) {
    PtyPair pty;
    SerialPortOpenResult opened = OpenSerialPortDevice(pty.path());
    ASSERT_NE(opened.port, nullptr);
    opened.port->SetTimeouts(kModuleTimeouts);
    pty.HangUp();
    std::uint8_t buffer[64];
    const Clock::time_point start = Clock::now();

    EXPECT_EQ(opened.port->Read(buffer, 64), 0U);
    EXPECT_FALSE(opened.port->WriteByte('v'));
    EXPECT_LT(SecondsSince(start), 0.5);
}

TEST_F(SerialPortPosixTest, AClosedPortReadsNothingWithoutWaiting) {
    PtyPair pty;
    SerialPortOpenResult opened = OpenSerialPortDevice(pty.path());
    ASSERT_NE(opened.port, nullptr);
    opened.port->SetTimeouts(kModuleTimeouts);
    opened.port->Close();
    std::uint8_t buffer[64];
    const Clock::time_point start = Clock::now();

    EXPECT_EQ(opened.port->Read(buffer, 64), 0U);
    EXPECT_FALSE(opened.port->WriteByte('v'));
    EXPECT_LT(SecondsSince(start), 0.5);
}

TEST_F(SerialPortPosixTest, OpeningFailsWithTheReasonAndReleasesTheDeviceOnClose) {
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
