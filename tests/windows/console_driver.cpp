// Drives the console's windows from outside, as Windows UI tests do: one action a run, on the
// window with the given caption, waiting up to ten seconds for it to appear.
//   console_driver wait CAPTION              the window exists
//   console_driver gone CAPTION              the window no longer exists
//   console_driver command CAPTION ID        a menu or button command (WM_COMMAND)
//   console_driver syscommand CAPTION ID     a system-menu command (WM_SYSCOMMAND)
//   console_driver text CAPTION ID           prints the control's text (UTF-8, as it is)
//   console_driver set-text CAPTION ID TEXT  replaces the control's text
//   console_driver check CAPTION ID          ticks a check box
//   console_driver checked CAPTION ID        prints 1 for a ticked check box, else 0
//   console_driver box CAPTION               prints the text of the message box with that
//                                            caption and presses its OK button
// The status is 0 when the action was done, 1 when its window or control did not appear.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

constexpr int kAttempts = 100;
constexpr DWORD kPause = 100;
constexpr int kMessageBoxText = 0xFFFF;

std::string Narrow(const std::wstring& wide) {
    std::string text(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                                                                  static_cast<int>(wide.size()),
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                        static_cast<int>(text.size()), nullptr, nullptr);
    return text;
}

struct Search {
    const wchar_t* windowClass;
    const wchar_t* caption;
    HWND found;
};

// Only a shown window counts: a dialog exists hidden while it is being initialised.
BOOL CALLBACK MatchShownWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    wchar_t text[256] = {};
    wchar_t windowClass[64] = {};
    GetWindowTextW(window, text, 256);
    GetClassNameW(window, windowClass, 64);
    if (IsWindowVisible(window) && lstrcmpW(text, search->caption) == 0 &&
        (search->windowClass == nullptr || lstrcmpW(windowClass, search->windowClass) == 0)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const wchar_t* windowClass, const wchar_t* caption) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Search search{windowClass, caption, nullptr};
        EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(kPause);
    }
    return nullptr;
}

bool Gone(const wchar_t* caption) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Search search{nullptr, caption, nullptr};
        EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            return true;
        }
        Sleep(kPause);
    }
    return false;
}

bool PrintText(HWND control) {
    if (control == nullptr) {
        return false;
    }
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    std::fputs(Narrow(text).c_str(), stdout);
    return true;
}

bool Act(const std::wstring& action, HWND window, int id, const wchar_t* text) {
    HWND control = GetDlgItem(window, id);
    if (action == L"command") {
        return PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(id), 0) != FALSE;
    }
    if (action == L"syscommand") {
        return PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0) != FALSE;
    }
    if (action == L"text") {
        return PrintText(control);
    }
    if (action == L"set-text" && text != nullptr) {
        return control != nullptr &&
               SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != FALSE;
    }
    if (action == L"checked") {
        return control != nullptr &&
               std::fputs(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0",
                          stdout) >= 0;
    }
    if (action == L"check") {
        return control != nullptr && (SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0), true);
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 3) {
        return 2;
    }
    const std::wstring action = argv[1];
    if (action == L"gone") {
        return Gone(argv[2]) ? 0 : 1;
    }
    if (action == L"box") {
        HWND box = FindTopLevel(L"#32770", argv[2]);
        const bool read = box != nullptr && PrintText(GetDlgItem(box, kMessageBoxText));
        return read && PostMessageW(box, WM_COMMAND, IDOK, 0) != FALSE ? 0 : 1;
    }
    HWND window = FindTopLevel(nullptr, argv[2]);
    if (window == nullptr) {
        return 1;
    }
    if (action == L"wait") {
        return 0;
    }
    return argc >= 4 && Act(action, window, _wtoi(argv[3]), argc >= 5 ? argv[4] : nullptr) ? 0 : 1;
}
