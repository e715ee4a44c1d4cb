#include "platform/win32/dialog_window.h"
#include "platform/win32/wide_text.h"
#include "resources/resource_ids.h"

#include <algorithm>

namespace {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

bool IsSingleLineEdit(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    return lstrcmpiW(className, L"Edit") == 0 &&
           (GetWindowLongPtrW(control, GWL_STYLE) & ES_MULTILINE) == 0;
}

// Raises an edit box's typing limit to at least the given length; never lowers it.
void KeepLimitAtLeast(HWND edit, int length) {
    const auto limit = static_cast<int>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(std::max(limit, length)), 0);
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, CDialog* parent)
    : m_window(std::make_unique<DialogWindow>(*this, dialogTemplate,
                                              parent == nullptr ? nullptr : &parent->Window())) {
    AddCommandHandler(IDOK, [this] { OnOK(); });
    AddCommandHandler(IDCANCEL, [this] { OnCancel(); });
}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    return m_window->RunModal();
}

void CDialog::EndDialog(int result) {
    m_window->End(result);
}

int CDialog::GetResult() const {
    return m_window->Result();
}

void CDialog::ShowWindow(bool show) {
    m_window->Show(show);
}

bool CDialog::IsWindowVisible() const {
    return ::IsWindowVisible(m_window->Handle()) != FALSE;
}

void CDialog::Close() {
    SendMessageW(m_window->Handle(), WM_CLOSE, 0, 0);
}

std::string CDialog::Caption() const {
    return WindowText(m_window->Handle());
}

ControlHandle CDialog::GetDlgItem(int controlId) const {
    return m_window->ControlHandleOf(controlId);
}

std::string CDialog::ItemText(int controlId) const {
    HWND control = m_window->Control(controlId);
    return control == nullptr ? std::string() : WindowText(control);
}

// A typing limit must never cut a value that is already longer: it would be stored shortened
// on OK without anyone having changed it. Such a value is shown whole, and its check refuses it.
void CDialog::SetItemText(int controlId, const std::string& text) {
    HWND control = m_window->Control(controlId);
    if (control == nullptr) {
        return;
    }
    const std::wstring wide = Widen(text);
    if (IsSingleLineEdit(control)) {
        KeepLimitAtLeast(control, static_cast<int>(wide.size()));
    }
    SetWindowTextW(control, wide.c_str());
}

bool CDialog::IsDlgButtonChecked(int controlId) const {
    return ::IsDlgButtonChecked(m_window->Handle(), controlId) == BST_CHECKED;
}

void CDialog::CheckDlgButton(int controlId, bool checked) {
    ::CheckDlgButton(m_window->Handle(), controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CDialog::LimitItemText(int controlId, int maxChars) {
    HWND control = m_window->Control(controlId);
    if (control != nullptr && IsSingleLineEdit(control)) {
        SendMessageW(control, EM_LIMITTEXT,
                     static_cast<WPARAM>(std::max(maxChars, GetWindowTextLengthW(control))), 0);
    }
}

// SetFocus rather than the dialog manager's WM_NEXTDLGCTL, which would select the whole text.
void CDialog::GotoDlgCtrl(int controlId) {
    if (HWND control = m_window->Control(controlId)) {
        SetFocus(control);
    }
}

int CDialog::FocusedItemId() const {
    return m_window->IdOf(GetFocus());
}

int CDialog::GetNextDlgTabItem(int controlId) const {
    HWND control = m_window->Control(controlId);
    if (control == nullptr) {
        return 0;
    }
    return m_window->IdOf(::GetNextDlgTabItem(m_window->Handle(), control, FALSE));
}

void CDialog::AppendSystemMenuItem(int commandId, const std::string& label) {
    m_window->AppendSystemMenuItem(commandId, label);
}

void CDialog::SetIcon(int iconId) {
    m_window->SetIcon(iconId);
}

void CDialog::MakeApplicationWindow() {
    m_window->MakeApplicationWindow();
}
