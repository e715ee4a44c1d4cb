#include "platform/file_dialogs.h"

#include "platform/win32/dialog_window.h"
#include "platform/win32/wide_text.h"

#include <commdlg.h>

namespace {

// One filter: its description, then its pattern, each ended by a NUL, and a NUL after the last.
constexpr wchar_t kFilter[] = L"Pliki konfiguracji (*.GR8)\0*.GR8\0";
constexpr DWORD kLongestPath = 32768;

} // namespace

std::optional<std::string> RunFileDialog(FileDialogKind kind, CDialog* parent) {
    std::wstring path(kLongestPath, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = parent == nullptr ? nullptr : parent->Window().Handle();
    request.lpstrFilter = kFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = kLongestPath;
    request.lpstrDefExt = L"gr8";
    // Open does not insist that the file exists either: a name typed for a missing file goes
    // to the load, which then says that the file did not open.
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (kind == FileDialogKind::Save) {
        request.Flags |= OFN_OVERWRITEPROMPT;
    }
    const BOOL chosen =
        kind == FileDialogKind::Save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    if (chosen == FALSE) {
        return std::nullopt;
    }
    path.resize(wcslen(path.c_str()));
    return Narrow(path);
}

// Windows' own upper case, as it compares file names: every letter with an upper-case form,
// Polish ones included, one character for one.
std::string ToUpperCase(const std::string& text) {
    std::wstring wide = Widen(text);
    CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return Narrow(wide);
}
