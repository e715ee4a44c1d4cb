#include "platform/data_exchange.h"

#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/message_box.h"

#include <algorithm>
#include <limits>

CDataExchange::CDataExchange(CDialog& dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_dialog(dialog) {}

void CDataExchange::Fail(const std::string& message) {
    m_failed = true;
    ShowMessageBox(message);
    if (m_dialog.GetDlgItem(m_lastControl) == nullptr) {
        return;
    }
    m_dialog.GotoDlgCtrl(m_lastControl);
    CEdit(m_dialog.GetDlgItem(m_lastControl)).SetSel(0, -1);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A character beyond the first 65536 takes two units, as in the platform's text boxes.
std::size_t Utf16Length(const std::string& utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) == 0x80 ? 0 : (byte >= 0xF0 ? 2 : 1);
    }
    return units;
}

} // namespace

bool ParseDialogInteger(const std::string& text, int& value) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    const std::size_t firstDigit = at;
    long long magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), 1LL << 40);
    }
    if (at == firstDigit) {
        return false;
    }
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    if (at != text.size()) {
        return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int>(std::clamp<long long>(signedValue, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    return true;
}

void DDX_Text(CDataExchange& dx, int controlId, std::string& value) {
    if (!dx.Active()) {
        return;
    }
    dx.PrepareControl(controlId);
    if (dx.m_bSaveAndValidate) {
        value = dx.Dialog().ItemText(controlId);
    } else {
        dx.Dialog().SetItemText(controlId, value);
    }
}

void DDX_Text(CDataExchange& dx, int controlId, int& value) {
    if (!dx.Active()) {
        return;
    }
    dx.PrepareControl(controlId);
    if (!dx.m_bSaveAndValidate) {
        dx.Dialog().SetItemText(controlId, std::to_string(value));
    } else if (!ParseDialogInteger(dx.Dialog().ItemText(controlId), value)) {
        dx.Fail("Please enter an integer.");
    }
}

void DDX_Check(CDataExchange& dx, int controlId, int& value) {
    if (!dx.Active()) {
        return;
    }
    dx.PrepareControl(controlId);
    if (dx.m_bSaveAndValidate) {
        value = dx.Dialog().IsDlgButtonChecked(controlId) ? 1 : 0;
    } else {
        dx.Dialog().CheckDlgButton(controlId, value != 0);
    }
}

void DDX_Check(CDataExchange& dx, int controlId, bool& value) {
    int checked = value ? 1 : 0;
    DDX_Check(dx, controlId, checked);
    value = checked != 0;
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxChars) {
    if (!dx.Active()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        dx.Dialog().LimitItemText(dx.LastControl(), maxChars);
    } else if (Utf16Length(value) > static_cast<std::size_t>(maxChars)) {
        dx.Fail("Please enter no more than " + std::to_string(maxChars) + " characters.");
    }
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
    if (dx.Active() && dx.m_bSaveAndValidate && (value < minValue || value > maxValue)) {
        dx.Fail("Please enter an integer between " + std::to_string(minValue) + " and " +
                std::to_string(maxValue) + ".");
    }
}
