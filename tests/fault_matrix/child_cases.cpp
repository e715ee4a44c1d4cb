#include "tests/fault_matrix/child_cases.h"

#include "tools/child_process.h"

#include <chrono>
#include <csignal>
#include <memory>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(20);

struct Child {
    std::size_t index = 0;
    pid_t pid = -1;
    std::unique_ptr<CaptureFile> output = std::make_unique<CaptureFile>();
    Clock::time_point started = Clock::now();
    bool killed = false;
};

Child Spawn(const std::string& program, const std::string& name, std::size_t index) {
    Child child;
    child.index = index;
    child.pid = SpawnChild({program, "--case", name}, child.output->fd(), child.output->fd());
    return child;
}

void ParseReport(const std::string& output, CaseResult& result) {
    std::istringstream lines(output);
    bool reported = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(kOutcomeLine, 0) == 0) {
            result.outcome = line.substr(sizeof kOutcomeLine - 1);
            reported = true;
        } else if (line.rfind(kTimeLine, 0) == 0) {
            result.seconds = std::stod(line.substr(sizeof kTimeLine - 1));
        } else if (line.rfind(kProblemLine, 0) == 0) {
            result.problems.push_back(line.substr(sizeof kProblemLine - 1));
        } else {
            result.diagnostics += line + "\n";
        }
    }
    if (!reported) {
        result.problems.push_back("the case ended without a report");
    }
}

CaseResult Finish(const Child& child, const std::string& name, int status) {
    CaseResult result;
    result.name = name;
    ParseReport(child.output->Contents(), result);
    if (child.killed) {
        result.problems.push_back("still running after the time limit: killed");
    } else if (WIFSIGNALED(status)) {
        result.problems.push_back("crashed with signal " + std::to_string(WTERMSIG(status)));
    } else if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && result.problems.empty())) {
        result.problems.push_back("ended with status " + std::to_string(WEXITSTATUS(status)));
    }
    result.passed = result.problems.empty();
    return result;
}

void KillOverdue(std::vector<Child>& running, double timeoutSeconds) {
    for (Child& child : running) {
        const std::chrono::duration<double> age = Clock::now() - child.started;
        if (!child.killed && age.count() > timeoutSeconds) {
            kill(child.pid, SIGKILL);
            child.killed = true;
        }
    }
}

} // namespace

std::vector<CaseResult> RunCasesInChildren(const std::string& program,
                                           const std::vector<std::string>& names, int jobs,
                                           double timeoutSeconds) {
    std::vector<CaseResult> results(names.size());
    std::vector<Child> running;
    std::size_t next = 0;
    while (next < names.size() || !running.empty()) {
        while (next < names.size() && static_cast<int>(running.size()) < jobs) {
            running.push_back(Spawn(program, names[next], next));
            ++next;
        }
        for (auto child = running.begin(); child != running.end();) {
            int status = 0;
            if (child->pid > 0 && waitpid(child->pid, &status, WNOHANG) == 0) {
                ++child;
                continue;
            }
            results[child->index] = Finish(*child, names[child->index], status);
            child = running.erase(child);
        }
        KillOverdue(running, timeoutSeconds);
        std::this_thread::sleep_for(kPollInterval);
    }
    return results;
}
