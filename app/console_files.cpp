#include "app/console_dlg.h"

#include "app/command_line.h"
#include "app/file_paths.h"
#include "config/config_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

namespace {

std::string Line(const std::string& text) {
    return text + "\r\n";
}

} // namespace

// A rejected file leaves the image as it was and says so in the log; a file that does not
// open is skipped without a word.
void CConsoleDlg::LoadStartupFile() {
    const std::string name = StartupFileName(m_argumentText);
    switch (ReadConfigFile(ToFileSystemPath(name), m_image)) {
    case ReadResult::NotOpened:
        return;
    case ReadResult::Loaded:
        m_strLog = Line("Ustawienia odczytane z pliku:") + Line(name);
        return;
    case ReadResult::Rejected:
        m_strLog = Line("Niewłaściwy format pliku !") + Line(name);
        return;
    }
}

void CConsoleDlg::OnLoadFile() {
    const std::optional<std::string> chosen = AskFileName(FileDialogKind::Open, this);
    if (chosen) {
        switch (ReadConfigFile(ToFileSystemPath(*chosen), m_image)) {
        case ReadResult::NotOpened:
            ShowMessageBox("Błąd otwarcia pliku !");
            break;
        case ReadResult::Loaded:
            m_strLog += Line("Odczytano konfigurację z pliku:") + Line(LogFormOfPath(*chosen));
            break;
        case ReadResult::Rejected:
            ShowMessageBox("Niewłaściwy format pliku !");
            break;
        }
    }
    RefreshLogPane();
}

void CConsoleDlg::OnSaveFile() {
    const std::optional<std::string> chosen = AskFileName(FileDialogKind::Save, this);
    if (!chosen) {
        return;
    }
    if (!WriteConfigFile(ToFileSystemPath(SaveTargetPath(*chosen)), m_image)) {
        ShowMessageBox("Błąd zapisu pliku !");
        return;
    }
    m_strLog += Line("Zapisano konfigurację do pliku:") + Line(LogFormOfPath(*chosen));
    RefreshLogPane();
}
