#pragma once

#include "operations/operation_log.h"

class CConsoleDlg;

// Hands the log lines of a module operation to the console window's thread, in order, so each
// line shows as soon as it is written wherever the operation runs.
class ConsoleOperationLog : public OperationLog {
public:
    explicit ConsoleOperationLog(CConsoleDlg& console) : m_console(console) {}

    void ClearLogPane() override;
    void ClearLogPaneAndText() override;
    void AppendToLogPane(const std::string& text) override;

private:
    CConsoleDlg& m_console;
};
