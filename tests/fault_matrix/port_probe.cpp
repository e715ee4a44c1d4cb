#include "tests/fault_matrix/port_probe.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>

namespace {

int OpenLocked(const std::string& devicePath) {
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A descriptor on a device that has gone away reads back as the path with " (deleted)" after it.
bool NamesDevice(const std::string& target, const std::string& devicePath) {
    return target == devicePath || target.rfind(devicePath + " ", 0) == 0;
}

} // namespace

PortHolder::PortHolder(const std::string& devicePath) : m_fd(OpenLocked(devicePath)) {
    if (m_fd >= 0) {
        ioctl(m_fd, TIOCEXCL);
    }
}

PortHolder::~PortHolder() {
    if (m_fd >= 0) {
        ioctl(m_fd, TIOCNXCL);
        close(m_fd);
    }
}

bool NoDescriptorOpenOn(const std::string& devicePath) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code unreadable;
        const std::filesystem::path target = std::filesystem::read_symlink(entry, unreadable);
        if (!unreadable && NamesDevice(target.string(), devicePath)) {
            return false;
        }
    }
    return !error;
}

bool CanTakeExclusively(const std::string& devicePath) {
    const int fd = OpenLocked(devicePath);
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}
