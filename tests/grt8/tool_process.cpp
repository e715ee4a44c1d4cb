#include "tool_process.h"

#include "tools/child_process.h"

#include <sys/wait.h>

ToolRun RunGrt8(const std::vector<std::string>& arguments) {
    CaptureFile out;
    CaptureFile err;
    std::vector<std::string> words = {GRT8_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    const pid_t pid = SpawnChild(words, out.fd(), err.fd());
    ToolRun run;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid) {
        run.status = ExitStatusOf(status);
    }
    run.out = out.Contents();
    run.err = err.Contents();
    return run;
}
