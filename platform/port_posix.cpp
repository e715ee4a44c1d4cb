#include "platform/serial_port_device.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

SteadyClock::time_point DeadlineAfter(std::uint64_t milliseconds) {
    return SteadyClock::now() + std::chrono::milliseconds(milliseconds);
}

// Rounded up, so a wait never ends just short of the deadline and comes back for a zero poll.
int MillisecondsUntil(SteadyClock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// True when the device is ready for `events` before the deadline; past the deadline it still
// looks once without waiting. A hang-up or error without the wanted event ends the wait at
// once, so a vanished device never makes a caller spin.
bool WaitUntilReady(int fd, short events, SteadyClock::time_point deadline) {
    for (;;) {
        const int timeoutMs = MillisecondsUntil(deadline);
        pollfd watched{fd, events, 0};
        const int ready = poll(&watched, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        return ready > 0 && (watched.revents & events) != 0;
    }
}

std::optional<speed_t> SpeedFor(unsigned baudRate) {
    switch (baudRate) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    default:
        return std::nullopt;
    }
}

void MakeRawEightNoneOne(termios& settings) {
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                               ICRNL | IXON | IXOFF | IXANY | INPCK);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
}

// Modem line changes fail on pseudo-terminals and some adapters; the data path works anyway.
void ChangeModemLines(int fd, unsigned long request, int lines) {
    ioctl(fd, request, &lines);
}

class PosixSerialPort final : public SerialPort {
public:
    explicit PosixSerialPort(int fd) : m_fd(fd) {}
    ~PosixSerialPort() override { Close(); }
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool ReadLineSettings() override {
        m_settings = termios{};
        return tcgetattr(m_fd, &m_settings) == 0;
    }

    bool WriteLineSettings(unsigned baudRate) override {
        const std::optional<speed_t> speed = SpeedFor(baudRate);
        if (!speed) {
            return false;
        }
        MakeRawEightNoneOne(m_settings);
        cfsetispeed(&m_settings, *speed);
        cfsetospeed(&m_settings, *speed);
        const bool applied = tcsetattr(m_fd, TCSANOW, &m_settings) == 0;
        ChangeModemLines(m_fd, TIOCMBIC, TIOCM_DTR | TIOCM_RTS);
        return applied;
    }

    // The kernel keeps the timeouts of a terminal in tenths of a second per byte, too coarse
    // for a total limit, so the port keeps them itself.
    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        m_timeouts = timeouts;
        return true;
    }

    // Terminal queues have a fixed size chosen by the kernel.
    void SetQueueSizes(std::size_t, std::size_t) override {}

    void RaiseDtr() override { ChangeModemLines(m_fd, TIOCMBIS, TIOCM_DTR); }

    bool WriteByte(std::uint8_t byte) override {
        const auto deadline =
            DeadlineAfter(m_timeouts.writeTotalMultiplierMs + m_timeouts.writeTotalConstantMs);
        for (;;) {
            const ssize_t written = write(m_fd, &byte, 1);
            if (written == 1) {
                return true;
            }
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                return false;
            }
            if (!WaitUntilReady(m_fd, POLLOUT, deadline)) {
                return false;
            }
        }
    }

    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        const auto deadline =
            DeadlineAfter(std::uint64_t{m_timeouts.readTotalMultiplierMs} * count +
                          m_timeouts.readTotalConstantMs);
        std::size_t received = 0;
        while (received < count && m_fd >= 0 && WaitUntilReady(m_fd, POLLIN, deadline)) {
            const ssize_t got = read(m_fd, destination + received, count - received);
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            received += static_cast<std::size_t>(got);
        }
        return received;
    }

    // Exclusive mode outlives the descriptor while any other holds the device open, so it is
    // given up before closing to let the next program in.
    void Close() override {
        if (m_fd < 0) {
            return;
        }
        ioctl(m_fd, TIOCNXCL);
        close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
    termios m_settings{};
    SerialTimeouts m_timeouts{};
};

// flock keeps out programs that lock the device too; TIOCEXCL keeps out any other program that
// lacks administrator rights.
bool TakeExclusively(int fd) {
    return flock(fd, LOCK_EX | LOCK_NB) == 0 && ioctl(fd, TIOCEXCL) == 0;
}

// ENXIO and ENODEV name a device node whose hardware has gone, such as an unplugged adapter. A
// lock held by another program fails with EWOULDBLOCK, another program's exclusive mode with
// EBUSY. ENOTTY comes from asking a file that is no terminal for exclusive mode.
PortOpenReason ReasonFor(int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return PortOpenReason::NoSuchDevice;
    case EACCES:
    case EPERM:
        return PortOpenReason::AccessDenied;
    case EBUSY:
    case EWOULDBLOCK:
        return PortOpenReason::InUse;
    case ENOTTY:
        return PortOpenReason::NotASerialPort;
    default:
        return PortOpenReason::Other;
    }
}

SerialPortOpenResult OpenFailed(int error) {
    return {nullptr, {ReasonFor(error), std::generic_category().message(error)}};
}

} // namespace

SerialPortOpenResult OpenSerialPortDevice(const std::string& name) {
    const std::string path = SerialPortDevicePath(name);
    // Non-blocking, so opening a line without carrier does not wait for one.
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return OpenFailed(errno);
    }
    if (!TakeExclusively(fd)) {
        const int error = errno;
        close(fd);
        return OpenFailed(error);
    }
    return {std::make_unique<PosixSerialPort>(fd), {}};
}
