#include "editors/line_settings_dlg.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

namespace {

constexpr std::size_t kFirstLineOffset = 490;

} // namespace

CLineSettingsDlg::CLineSettingsDlg(CDialog* parent) : CDialog(IDD_LINE_SETTINGS, parent) {}

void CLineSettingsDlg::DoDataExchange(CDataExchange& dx) {
    for (int line = 1; line <= kInputLineCount; ++line) {
        LineFlags& flags = m_lines[static_cast<std::size_t>(line - 1)];
        for (std::size_t column = 0; column < kLineColumnCount; ++column) {
            DDX_Check(dx, LineBoxId(line, static_cast<int>(column)), flags[column]);
        }
    }
}

void CLineSettingsDlg::OnShowWindow() {
    if (m_pImage != nullptr) {
        for (std::size_t line = 0; line < m_lines.size(); ++line) {
            m_lines[line] = DecodeLineFlags((*m_pImage)[kFirstLineOffset + line]);
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
            (*m_pImage)[kFirstLineOffset + line] = EncodeLineFlags(m_lines[line]);
        }
    }
    EndDialog(IDOK);
}
