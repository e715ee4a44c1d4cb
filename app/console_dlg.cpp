#include "app/console_dlg.h"

#include "app/about_dlg.h"
#include "platform/picture.h"
#include "platform/system_menu.h"
#include "resources/resource_ids.h"
#include "resources/strings.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <array>

char g_comPortDigit[2] = {'1', '\0'};

namespace {

constexpr std::array<int, 9> kComPortCommands = {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5,
                                                 ID_COM6, ID_COM7, ID_COM8, ID_COM9};

bool IsEscape(const QEvent* event) {
    return event->type() == QEvent::KeyPress &&
           static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

} // namespace

CConsoleDlg::CConsoleDlg(std::optional<std::string> argumentText, QWidget* parent)
    : CDialog(IDD_CONSOLE, parent), m_argumentText(std::move(argumentText)),
      m_editLog(Item<QPlainTextEdit>(IDC_LOG)), m_hIcon(ApplicationIcon()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_editLog->installEventFilter(this);
    m_menu.LoadMenu(IDR_CONSOLE_MENU, this, [this](int id) { SendCommand(id); });
    SetMenuBar(m_menu.MenuBar());
    AddMenuHandlers();
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
    const std::string_view aboutLabel = LoadResourceString(IDS_ABOUTBOX);
    AppendSystemMenuItem(
        *this, IDM_ABOUTBOX,
        QString::fromUtf8(aboutLabel.data(), static_cast<qsizetype>(aboutLabel.size())));
    m_menu.CheckMenuItem(ID_COM1, true);
    setWindowIcon(m_hIcon);
    LoadStartupFile();
    UpdateData(false);
}

void CConsoleDlg::OnComPort(char digit) {
    g_comPortDigit[0] = digit;
    m_strLog = QStringLiteral("Wybrano port COM%1\r\n").arg(QChar::fromLatin1(digit));
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
bool CConsoleDlg::eventFilter(QObject* watched, QEvent* event) {
    if (IsEscape(event)) {
        return true;
    }
    return CDialog::eventFilter(watched, event);
}

void CConsoleDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        return;
    }
    if (!m_editLog->hasFocus()) {
        TraceKey(QStringLiteral("OnKeyDown "));
        if (!event->text().isEmpty()) {
            TraceKey(QStringLiteral("OnChar "));
        }
    }
    CDialog::keyPressEvent(event);
}

// A key aimed at the window rather than the pane is no command; its trace is replaced by the
// log text at once.
void CConsoleDlg::TraceKey(const QString& trace) {
    AppendToLogPane(trace + QStringLiteral("\r\n"));
    UpdateData(false);
}

bool CConsoleDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (SystemMenuCommand(eventType, message) == IDM_ABOUTBOX) {
        OnAbout();
        *result = 0;
        return true;
    }
    return CDialog::nativeEvent(eventType, message, result);
}
