#include "app/console_dlg.h"

#include "app/about_dlg.h"
#include "app/com_port_hint.h"
#include "resources/resource_ids.h"
#include "resources/strings.h"

#include <array>

char g_comPortDigit[2] = {'1', '\0'};

namespace {

constexpr std::array<int, 9> kComPortCommands = {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5,
                                                 ID_COM6, ID_COM7, ID_COM8, ID_COM9};

} // namespace

CConsoleDlg::CConsoleDlg(std::optional<std::string> argumentText)
    : CDialog(IDD_CONSOLE), m_argumentText(std::move(argumentText)),
      m_editLog(GetDlgItem(IDC_LOG)) {
    MakeApplicationWindow();
    m_menu.Load(IDR_CONSOLE_MENU);
    SetMenu(m_menu);
    AddMenuHandlers();
    m_menu.SetPopupOpeningHandler(ID_COM1, [this] { ShowComPortDevices(); });
}

void CConsoleDlg::AddMenuHandlers() {
    AddCommandHandler(ID_LOAD_FILE, [this] { OnLoadFile(); });
    AddCommandHandler(ID_SAVE_FILE, [this] { OnSaveFile(); });
    AddCommandHandler(ID_EXIT, [this] { OnExit(); });
    AddCommandHandler(IDM_ABOUTBOX, [this] { OnAbout(); });
    AddCommandHandler(ID_READ_CONFIGURATION, [this] { OnReadConfiguration(); });
    AddCommandHandler(ID_SEND_CONFIGURATION, [this] { OnSendConfiguration(); });
    AddCommandHandler(ID_MODULE_VERSION, [this] { OnModuleVersion(); });
    AddCommandHandler(ID_GENERAL_SETTINGS, [this] { OnGeneralSettings(); });
    AddCommandHandler(ID_LINE_SETTINGS, [this] { OnLineSettings(); });
    AddCommandHandler(ID_SMS_TEXTS, [this] { OnSmsTexts(); });
    AddCommandHandler(ID_REPORTS_CONTROL, [this] { OnReportsControl(); });
    for (std::size_t i = 0; i < kComPortCommands.size(); ++i) {
        const char digit = static_cast<char>('1' + i);
        AddCommandHandler(kComPortCommands[i], [this, digit] { OnComPort(digit); });
    }
}

void CConsoleDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AppendSystemMenuItem(IDM_ABOUTBOX, std::string(LoadResourceString(IDS_ABOUTBOX)));
    m_menu.CheckMenuItem(ID_COM1, true);
    SetIcon(IDR_MAINFRAME);
    LoadStartupFile();
    UpdateData(false);
}

// The devices are looked for each time the popup opens, so an adapter plugged in a moment ago
// shows up beside its item.
void CConsoleDlg::ShowComPortDevices() {
    const std::vector<ComPortAssignment> ports = AssignComPorts();
    for (std::size_t i = 0; i < kComPortCommands.size(); ++i) {
        m_menu.SetMenuItemHint(kComPortCommands[i], ComPortHint(ports[i]));
    }
}

void CConsoleDlg::OnComPort(char digit) {
    g_comPortDigit[0] = digit;
    m_strLog = std::string("Wybrano port COM") + digit + "\r\n";
    for (std::size_t i = 0; i < kComPortCommands.size(); ++i) {
        m_menu.CheckMenuItem(kComPortCommands[i], static_cast<char>('1' + i) == digit);
    }
    RefreshLogPane();
}

void CConsoleDlg::OnAbout() {
    CAboutDlg about(this);
    about.DoModal();
}

void CConsoleDlg::OnExit() {
    UpdateData(true);
    EndDialog(IDOK);
}

// Escape never closes the console, whether the pane or the window itself has the focus.
bool CConsoleDlg::PreTranslateKeyDown(DialogKey key) {
    return key == DialogKey::Escape;
}

void CConsoleDlg::OnKeyDown(bool typesCharacter) {
    TraceKey("OnKeyDown ");
    if (typesCharacter) {
        TraceKey("OnChar ");
    }
}

// A key aimed at the window rather than the pane is no command; its trace is replaced by the
// log text at once.
void CConsoleDlg::TraceKey(const std::string& trace) {
    AppendToLogPane(trace + "\r\n");
    UpdateData(false);
}
