#include "app/console_operation_log.h"

#include "app/console_dlg.h"
#include "platform/module_operation.h"

void ConsoleOperationLog::ClearLogPane() {
    PostToWindow(m_console, [this] { m_console.ClearLogPane(); });
}

void ConsoleOperationLog::ClearLogPaneAndText() {
    PostToWindow(m_console, [this] {
        m_console.ClearLogPane();
        m_console.m_strLog.clear();
        m_console.RefreshLogPane();
    });
}

void ConsoleOperationLog::AppendToLogPane(const std::string& text) {
    PostToWindow(m_console, [this, text] { m_console.AppendToLogPane(text); });
}
