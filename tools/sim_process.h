#pragma once

#include "tools/child_process.h"

#include <string>
#include <vector>

// grt8-sim running as a child process on its own pseudo-terminal, for tests and benchmarks that
// talk to it through a real serial device. Its standard error goes to a file they can read.
class SimProcess {
public:
    SimProcess(const std::string& simPath, const std::vector<std::string>& options);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The terminal path the simulator announced; empty when it did not start.
    const std::string& path() const { return m_path; }
    // Waits up to `seconds` for the simulator to end by itself; its exit status, or -1.
    int WaitForExit(double seconds);
    // Asks it to stop (SIGTERM) and returns its exit status.
    int Stop();
    std::string ErrorOutput() const;

private:
    void ReadAnnouncedPath(int outputFd);

    int m_pid = -1;
    int m_exitStatus = -1;
    std::string m_path;
    CaptureFile m_errors;
};
