#include "tool_process.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A file the child writes to, read back and removed afterwards.
class CaptureFile {
public:
    CaptureFile() {
        char name[] = "/tmp/grt8_output_XXXXXX";
        m_fd = mkstemp(name);
        m_path = name;
    }
    ~CaptureFile() {
        close(m_fd);
        unlink(m_path.c_str());
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int fd() const { return m_fd; }
    std::string Contents() const {
        std::ifstream file(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    int m_fd = -1;
    std::string m_path;
};

} // namespace

ToolRun RunGrt8(const std::vector<std::string>& arguments) {
    CaptureFile out;
    CaptureFile err;
    std::vector<std::string> words = {GRT8_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.fd(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.fd(), STDERR_FILENO);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, GRT8_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    ToolRun run;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
    run.out = out.Contents();
    run.err = err.Contents();
    return run;
}
