#include "app/about_dlg.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

CAboutDlg::CAboutDlg(CDialog* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_VERSION, m_strVersion);
}

void CAboutDlg::OnShowWindow() {
    m_strVersion = "2.6";
    UpdateData(false);
}
