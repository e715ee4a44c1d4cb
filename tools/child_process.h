#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Child processes of the tests and benchmarks: the simulator, the tool under test, one fault
// case each. A child reads nothing: its standard input is /dev/null.

// Starts arguments[0] with `arguments`, its standard output and error going to the given
// descriptors. Returns its process id, or -1 when it could not be started.
pid_t SpawnChild(const std::vector<std::string>& arguments, int outputFd, int errorFd);

// The exit status of a child that exited by itself; -1 for one a signal ended.
int ExitStatusOf(int waitStatus);

// A temporary file that takes a child's output; read back with Contents(), removed with the
// object.
class CaptureFile {
public:
    CaptureFile();
    ~CaptureFile();
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int fd() const { return m_fd; }
    std::string Contents() const;

private:
    int m_fd = -1;
    std::string m_path;
};
