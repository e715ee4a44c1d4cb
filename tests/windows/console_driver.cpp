// Drives the console's windows from outside, as Windows UI tests do: one action a run, on the
// shown top-level window with the given caption, waiting up to thirty seconds for it to appear
// (or with gone, to go).
//   console_driver wait CAPTION              the window is shown
//   console_driver gone CAPTION              waits until no such window is shown
//   console_driver command CAPTION ID        a menu or button command (WM_COMMAND)
//   console_driver click CAPTION ID          clicks the button, as the mouse does
//   console_driver text CAPTION ID           prints the control's text (UTF-8, as it is); a
//                                            message box's text is control 65535
//   console_driver set-text CAPTION ID TEXT  replaces the control's text
// The status is 0 when the action was done, 1 when its window or control did not appear.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

struct Search {
    const wchar_t* caption;
    HWND found;
};

// Only a shown window counts: a dialog exists hidden while it is being initialised.
BOOL CALLBACK MatchShownWindow(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<Search*>(search);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    wanted->found =
        IsWindowVisible(window) && lstrcmpW(text, wanted->caption) == 0 ? window : nullptr;
    return wanted->found == nullptr ? TRUE : FALSE;
}

void PrintText(HWND control) {
    std::wstring text(65536, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring action = argc >= 3 ? argv[1] : L"";
    Search search{argc >= 3 ? argv[2] : L"", nullptr};
    const bool wantShown = action != L"gone";
    for (int attempt = 0; attempt < 300; ++attempt, Sleep(100)) {
        EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
        if ((search.found != nullptr) == wantShown) {
            break;
        }
    }
    const int id = argc >= 4 ? _wtoi(argv[3]) : 0;
    HWND control = GetDlgItem(search.found, id);
    if ((search.found != nullptr) != wantShown) {
        return 1;
    }
    if (action == L"command") {
        return PostMessageW(search.found, WM_COMMAND, static_cast<WPARAM>(id), 0) ? 0 : 1;
    }
    if (control != nullptr && action == L"click") {
        SendMessageW(control, BM_CLICK, 0, 0);
    } else if (action == L"text" && control != nullptr) {
        PrintText(control);
    } else if (control != nullptr && action == L"set-text" && argc >= 5) {
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    } else if (action != L"wait" && action != L"gone") {
        return 1;
    }
    return 0;
}
