#pragma once

#include "operations/module_port.h"
#include "operations/operation_log.h"
#include "operations/operation_result.h"
#include "platform/message_box.h"
#include "tools/grt8/console_streams.h"
#include "tools/grt8/progress_log.h"

#include <functional>
#include <string>

// One of the console's module operations, run for a command of the tool: its log goes to the
// error stream and its message boxes become lines there.
class ModuleRun {
public:
    using Operation = std::function<OperationResult(const ModulePort& port, OperationLog& log)>;

    explicit ModuleRun(const ConsoleStreams& streams);
    ~ModuleRun();
    ModuleRun(const ModuleRun&) = delete;
    ModuleRun& operator=(const ModuleRun&) = delete;

    // A port that could not be opened is explained, with what to do about it.
    OperationResult Run(const ModulePort& port, const Operation& operation);

    // A line of the command's own, kept clear of the progress bar.
    void Report(const std::string& line) { m_log.WriteLine("grt8: " + line); }

private:
    ProgressLog m_log;
    MessageBoxHandler m_previousHandler;
};

// kExitSuccess when the operation completed; kExitRefused when the port could not be opened;
// kExitFailed for any other failure.
int ExitStatus(const OperationResult& result);
