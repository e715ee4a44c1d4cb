#include "app/console_app.h"

#include "app/console_dlg.h"

CConsoleApp::CConsoleApp(std::optional<std::string> argumentText)
    : m_argumentText(std::move(argumentText)) {}

bool CConsoleApp::InitInstance() {
    CConsoleDlg window(m_argumentText);
    window.DoModal();
    return false;
}
