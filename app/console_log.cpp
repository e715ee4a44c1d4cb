#include "app/console_dlg.h"

#include "platform/data_exchange.h"
#include "platform/log_pane.h"
#include "resources/resource_ids.h"

#include <QPlainTextEdit>

void CConsoleDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_LOG, m_strLog);
}

void CConsoleDlg::RefreshLogPane() {
    UpdateData(false);
}

void CConsoleDlg::ClearLogPane() {
    ClearPane(*m_editLog);
}

void CConsoleDlg::AppendToLogPane(const QString& text) {
    ReplaceSelection(*m_editLog, text);
}
