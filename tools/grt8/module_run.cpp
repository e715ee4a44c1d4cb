#include "tools/grt8/module_run.h"

#include "tools/grt8/exit_status.h"
#include "tools/grt8/port_diagnosis.h"

ModuleRun::ModuleRun(const ConsoleStreams& streams)
    : m_log(streams.err, streams.errIsTerminal),
      m_previousHandler(
          SetMessageBoxHandler([this](const std::string& text) { ShowMessage(text); })) {}

ModuleRun::~ModuleRun() {
    SetMessageBoxHandler(m_previousHandler);
}

void ModuleRun::ShowMessage(const std::string& text) {
    m_lastMessage = text;
    m_log.WriteMessage(text);
}

int ModuleRun::Run(const ModulePort& port, const Operation& operation) {
    const bool completed = operation(port, m_log);
    m_log.Finish();
    if (completed) {
        return kExitSuccess;
    }
    if (const std::optional<int> openError = m_recorder.OpenFailure()) {
        Report(ExplainPortOpenFailure(port, *openError));
        return kExitRefused;
    }
    return kExitFailed;
}
