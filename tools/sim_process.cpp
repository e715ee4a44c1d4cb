#include "tools/sim_process.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr char kAnnouncement[] = "GRT8_COM1=";

} // namespace

SimProcess::SimProcess(const std::string& simPath, const std::vector<std::string>& options) {
    int output[2];
    // Close-on-exec, so that only the simulator holds the writing end and no other child
    // keeps the pipe open.
    if (pipe2(output, O_CLOEXEC) != 0) {
        return;
    }
    std::vector<std::string> arguments = {simPath};
    arguments.insert(arguments.end(), options.begin(), options.end());
    m_pid = SpawnChild(arguments, output[1], m_errors.fd());
    close(output[1]);
    if (m_pid > 0) {
        ReadAnnouncedPath(output[0]);
    }
    close(output[0]);
}

SimProcess::~SimProcess() {
    Stop();
}

void SimProcess::ReadAnnouncedPath(int outputFd) {
    std::string text;
    pollfd watched{outputFd, POLLIN, 0};
    while (text.find('\n', text.find(kAnnouncement)) == std::string::npos &&
           poll(&watched, 1, kStartTimeoutMs) > 0) {
        char chunk[256];
        const ssize_t got = read(outputFd, chunk, sizeof chunk);
        if (got <= 0) {
            return;
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    const std::size_t start = text.find(kAnnouncement);
    if (start != std::string::npos) {
        const std::size_t pathStart = start + sizeof kAnnouncement - 1;
        m_path = text.substr(pathStart, text.find('\n', pathStart) - pathStart);
    }
}

int SimProcess::WaitForExit(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (m_pid > 0) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_exitStatus = ExitStatusOf(status);
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return m_exitStatus;
}

int SimProcess::Stop() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        if (WaitForExit(5.0) < 0 && m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }
    return m_exitStatus;
}

std::string SimProcess::ErrorOutput() const {
    return m_errors.Contents();
}
