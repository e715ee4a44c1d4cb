#include "tools/sim_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr char kAnnouncement[] = "GRT8_COM1=";

} // namespace

SimProcess::SimProcess(const std::string& simPath, const std::vector<std::string>& options) {
    char errorTemplate[] = "/tmp/grt8_sim_stderr_XXXXXX";
    const int errorFd = mkstemp(errorTemplate);
    m_errorFile = errorTemplate;
    int output[2];
    if (errorFd < 0 || pipe(output) != 0) {
        return;
    }
    std::vector<std::string> arguments = {simPath};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorFd, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    if (posix_spawn(&m_pid, simPath.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    close(errorFd);
    if (m_pid > 0) {
        ReadAnnouncedPath(output[0]);
    }
    close(output[0]);
}

SimProcess::~SimProcess() {
    Stop();
    unlink(m_errorFile.c_str());
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
            m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    std::ifstream file(m_errorFile);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
