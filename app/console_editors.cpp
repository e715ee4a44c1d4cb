#include "app/console_dlg.h"

#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_texts_dlg.h"

namespace {

// The editor works on the image itself and writes it on OK; the console has nothing to do
// afterwards, whatever the editor's result.
template <class Editor> void RunEditor(CConsoleDlg& console, ConfigImage& image) {
    Editor editor(&console);
    console.UpdateData(true);
    editor.SetImage(&image);
    editor.DoModal();
}

} // namespace

void CConsoleDlg::OnGeneralSettings() {
    RunEditor<CGeneralSettingsDlg>(*this, m_image);
}

void CConsoleDlg::OnLineSettings() {
    RunEditor<CLineSettingsDlg>(*this, m_image);
}

void CConsoleDlg::OnSmsTexts() {
    RunEditor<CSmsTextsDlg>(*this, m_image);
}

void CConsoleDlg::OnReportsControl() {
    RunEditor<CReportsControlDlg>(*this, m_image);
}
