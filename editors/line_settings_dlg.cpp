#include "editors/line_settings_dlg.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

CLineSettingsDlg::CLineSettingsDlg(CDialog* parent) : CDialog(IDD_LINE_SETTINGS, parent) {}

void CLineSettingsDlg::DoDataExchange(CDataExchange& dx) {
    for (int line = 1; line <= static_cast<int>(kInputLineCount); ++line) {
        LineFlags& flags = m_lines[static_cast<std::size_t>(line - 1)];
        for (std::size_t column = 0; column < kLineColumnCount; ++column) {
            DDX_Check(dx, LineBoxId(line, static_cast<int>(column)), flags[column]);
        }
    }
}

void CLineSettingsDlg::OnShowWindow() {
    if (m_pImage != nullptr) {
        for (std::size_t line = 0; line < m_lines.size(); ++line) {
            m_lines[line] = DecodeLineFlags((*m_pImage)[kLineSettingsOffset + line]);
        }
    }
    UpdateData(false);
}

void CLineSettingsDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    if (m_pImage != nullptr) {
        for (std::size_t line = 0; line < m_lines.size(); ++line) {
            (*m_pImage)[kLineSettingsOffset + line] = EncodeLineFlags(m_lines[line]);
        }
    }
    EndDialog(IDOK);
}
