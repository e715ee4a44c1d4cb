#include "app/console_dlg.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

void CConsoleDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_LOG, m_strLog);
}

void CConsoleDlg::RefreshLogPane() {
    UpdateData(false);
}

void CConsoleDlg::ClearLogPane() {
    m_editLog.SetSel(0, -1);
    m_editLog.ReplaceSel("");
}

void CConsoleDlg::AppendToLogPane(const std::string& text) {
    m_editLog.ReplaceSel(text);
}
