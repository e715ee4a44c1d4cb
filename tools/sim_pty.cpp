#include "tools/sim_pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

std::string Failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Until a console sets the line up, the terminal must not echo or translate what the module
// sends.
void MakeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        return;
    }
    cfmakeraw(&settings);
    cfsetispeed(&settings, B1200);
    cfsetospeed(&settings, B1200);
    tcsetattr(fd, TCSANOW, &settings);
}

std::string LinkTarget(const std::string& linkPath) {
    char target[4096];
    const ssize_t length = readlink(linkPath.c_str(), target, sizeof target - 1);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

} // namespace

bool PseudoTerminal::Open(std::string& error) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        error = Failure("posix_openpt");
        return false;
    }
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        error = Failure("unlockpt");
        return false;
    }
    const char* name = ptsname(m_master);
    if (name == nullptr) {
        error = Failure("ptsname");
        return false;
    }
    m_path = name;
    m_terminalEnd = open(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_terminalEnd < 0) {
        error = Failure(m_path.c_str());
        return false;
    }
    MakeRaw(m_terminalEnd);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    return true;
}

void PseudoTerminal::HangUp() {
    if (m_master >= 0) {
        close(m_master);
        m_master = -1;
    }
    if (m_terminalEnd >= 0) {
        close(m_terminalEnd);
        m_terminalEnd = -1;
    }
}

bool PlaceSymlink(const std::string& target, const std::string& linkPath, std::string& error) {
    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            error = linkPath + " exists and is not a symbolic link";
            return false;
        }
        unlink(linkPath.c_str());
    }
    if (symlink(target.c_str(), linkPath.c_str()) != 0) {
        error = Failure(linkPath.c_str());
        return false;
    }
    return true;
}

void RemoveSymlink(const std::string& target, const std::string& linkPath) {
    if (LinkTarget(linkPath) == target) {
        unlink(linkPath.c_str());
    }
}

} // namespace sim
