#include "app/console_operation_log.h"

#include "app/console_dlg.h"

#include <QMetaObject>

void ConsoleOperationLog::ClearLogPane() {
    QMetaObject::invokeMethod(&m_console, [this] { m_console.ClearLogPane(); });
}

void ConsoleOperationLog::ClearLogPaneAndText() {
    QMetaObject::invokeMethod(&m_console, [this] {
        m_console.ClearLogPane();
        m_console.m_strLog.clear();
        m_console.RefreshLogPane();
    });
}

void ConsoleOperationLog::AppendToLogPane(const std::string& text) {
    QMetaObject::invokeMethod(&m_console, [this, line = QString::fromStdString(text)] {
        m_console.AppendToLogPane(line);
    });
}
