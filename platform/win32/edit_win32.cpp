#include "platform/edit.h"

#include "platform/win32/dialog_window.h"
#include "platform/win32/wide_text.h"

namespace {

HWND EditOf(ControlHandle control) {
    return control == nullptr ? nullptr : control->window->Control(control->id);
}

} // namespace

void CEdit::ReplaceSel(const std::string& text) {
    HWND edit = EditOf(m_hWnd);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void CEdit::SetSel(int start, int end) {
    HWND edit = EditOf(m_hWnd);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), end);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

std::pair<int, int> CEdit::GetSel() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(EditOf(m_hWnd), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

bool CEdit::CanUndo() const {
    return SendMessageW(EditOf(m_hWnd), EM_CANUNDO, 0, 0) != FALSE;
}
