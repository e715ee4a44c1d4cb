#pragma once

#include "operations/module_port.h"
#include "operations/operation_log.h"
#include "platform/message_box.h"
#include "tools/grt8/console_streams.h"
#include "tools/grt8/port_open_recorder.h"
#include "tools/grt8/progress_log.h"

#include <functional>
#include <string>

// One of the console's module operations, run for a command of the tool: its log goes to the
// error stream, its message boxes become lines there, and its outcome becomes an exit status.
class ModuleRun {
public:
    using Operation = std::function<bool(const ModulePort& port, OperationLog& log)>;

    explicit ModuleRun(const ConsoleStreams& streams);
    ~ModuleRun();
    ModuleRun(const ModuleRun&) = delete;
    ModuleRun& operator=(const ModuleRun&) = delete;

    // kExitSuccess when the operation completed; kExitRefused when the port could not be
    // opened, with what to do about it; kExitFailed for any other failure.
    int Run(const ModulePort& port, const Operation& operation);

    // A line of the command's own, kept clear of the progress bar.
    void Report(const std::string& line) { m_log.WriteLine("grt8: " + line); }
    const std::string& Transcript() const { return m_log.Transcript(); }
    // The text of the last message box, which names the fault that ended a failed operation.
    const std::string& LastMessage() const { return m_lastMessage; }

private:
    void ShowMessage(const std::string& text);

    ProgressLog m_log;
    PortOpenRecorder m_recorder;
    MessageBoxHandler m_previousHandler;
    std::string m_lastMessage;
};
