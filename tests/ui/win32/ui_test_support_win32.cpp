#include "platform/win32/dialog_window.h"
#include "platform/win32/wide_text.h"
#include "tests/ui/ui_test_support.h"

#include <map>

namespace {

constexpr UINT kPollMilliseconds = 5;

// The dialog the dialog manager is running modally on this thread, if any is showing.
DialogWindow* ShownModalDialog() {
    DialogWindow* found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            DialogWindow* dialog = DialogWindow::Of(window);
            if (dialog != nullptr && dialog->RunByDialogManager() && IsWindowVisible(window)) {
                *reinterpret_cast<DialogWindow**>(result) = dialog;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

struct ModalWatch {
    const std::function<void(CDialog&)>* inspect = nullptr;
    bool seen = false;
};

ModalWatch* g_watch = nullptr;

void CALLBACK PollForModalDialog(HWND, UINT, UINT_PTR, DWORD) {
    DialogWindow* dialog = g_watch == nullptr || g_watch->seen ? nullptr : ShownModalDialog();
    if (dialog == nullptr) {
        return;
    }
    g_watch->seen = true;
    (*g_watch->inspect)(dialog->Owner());
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
    ModalWatch watch{&inspect};
    ModalWatch* outer = std::exchange(g_watch, &watch);
    const UINT_PTR timer = SetTimer(nullptr, 0, kPollMilliseconds, PollForModalDialog);
    action();
    KillTimer(nullptr, timer);
    g_watch = outer;
    return watch.seen;
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
        {TestKey::Enter, {VK_RETURN, L'\r'}},
        {TestKey::Return, {VK_RETURN, L'\r'}},
        {TestKey::LetterA, {'A', L'a'}},
    };
    const auto& [code, character] = kKeys.at(key);
    HWND window = dialog.Window().Handle();
    HWND target = controlId == 0 ? window : dialog.Window().Control(controlId);
    SetFocus(target);
    PostMessageW(target, WM_KEYDOWN, code, 1);
    PostMessageW(target, WM_CHAR, character, 1);
    DeliverQueuedMessages(window);
}
