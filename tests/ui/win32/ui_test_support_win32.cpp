#include "platform/application.h"
#include "platform/menu.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/menu_bar.h"
#include "platform/win32/wide_text.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace {

// What is to be done with the next modal dialog; empty once it has been done.
std::function<void(CDialog&)> g_inspect;

// The dialog manager activates the modal dialog it runs.
void CALLBACK PollForModalDialog(HWND, UINT, UINT_PTR, DWORD) {
    DialogWindow* dialog = DialogWindow::Of(GetActiveWindow());
    if (!g_inspect || dialog == nullptr || !dialog->RunByDialogManager() ||
        !IsWindowVisible(dialog->Handle())) {
        return;
    }
    std::exchange(g_inspect, nullptr)(dialog->Owner());
    if (DialogWindow::Of(dialog->Handle()) == dialog && IsWindowVisible(dialog->Handle())) {
        dialog->End(IDCANCEL);
    }
}

// Delivers what is queued for the thread as the dialog manager's loop of a modeless dialog
// would: keyboard navigation first, then the windows.
void DeliverQueuedMessages(HWND dialog) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace

bool WithNextModalDialog(const std::function<void()>& action,
                         const std::function<void(CDialog&)>& inspect) {
    std::function<void(CDialog&)> outer = std::exchange(g_inspect, inspect);
    const UINT_PTR timer = SetTimer(nullptr, 0, 5, PollForModalDialog);
    action();
    KillTimer(nullptr, timer);
    const bool seen = !g_inspect;
    g_inspect = std::move(outer);
    return seen;
}

void TypeInto(CDialog& dialog, int controlId, const std::string& text) {
    HWND edit = dialog.Window().Control(controlId);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void ClickButton(CDialog& dialog, int controlId) {
    SendMessageW(dialog.Window().Control(controlId), BM_CLICK, 0, 0);
}

void PressKey(CDialog& dialog, int controlId, TestKey key) {
    static const std::map<TestKey, std::pair<WPARAM, wchar_t>> kKeys = {
        {TestKey::Escape, {VK_ESCAPE, L'\x1b'}},
        {TestKey::Return, {VK_RETURN, L'\r'}},
        {TestKey::KeypadEnter, {VK_RETURN, L'\r'}},
        {TestKey::LetterA, {'A', L'a'}},
    };
    const auto& [code, character] = kKeys.at(key);
    HWND window = dialog.Window().Handle();
    HWND target = controlId == 0 ? window : dialog.Window().Control(controlId);
    SetFocus(target);
    // The keypad's Enter differs from the main one only by the extended-key flag.
    const LPARAM flags = key == TestKey::KeypadEnter ? 1 | 1 << 24 : 1;
    PostMessageW(target, WM_KEYDOWN, code, flags);
    PostMessageW(target, WM_CHAR, character, flags);
    DeliverQueuedMessages(window);
}

std::string PopupTitles(const CMenu& menu) {
    std::string titles;
    for (int at = 0; at < GetMenuItemCount(menu.Bar().menu); ++at) {
        wchar_t title[64] = {};
        GetMenuStringW(menu.Bar().menu, at, title, 64, MF_BYPOSITION);
        titles += " | " + Narrow(title);
    }
    return titles;
}

int main(int argc, char* argv[]) {
    UiToolkit toolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
