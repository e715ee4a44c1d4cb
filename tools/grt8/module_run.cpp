#include "tools/grt8/module_run.h"

#include "tools/grt8/exit_status.h"
#include "tools/grt8/port_diagnosis.h"

ModuleRun::ModuleRun(const ConsoleStreams& streams)
    : m_log(streams.err, streams.errIsTerminal),
      m_previousHandler(
          SetMessageBoxHandler([this](const std::string& text) { m_log.WriteMessage(text); })) {}

ModuleRun::~ModuleRun() {
    SetMessageBoxHandler(m_previousHandler);
}

OperationResult ModuleRun::Run(const ModulePort& port, const Operation& operation) {
    OperationResult result = operation(port, m_log);
    m_log.Finish();
    if (result.stage == OperationStage::PortNotOpened) {
        Report(ExplainPortOpenFailure(port, result.portError));
    }
    return result;
}

int ExitStatus(const OperationResult& result) {
    if (result.Completed()) {
        return kExitSuccess;
    }
    return result.stage == OperationStage::PortNotOpened ? kExitRefused : kExitFailed;
}
