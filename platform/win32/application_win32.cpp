#include "platform/application.h"

#include "platform/message_box.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_thread.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <filesystem>
#include <shellapi.h>
#include <string>
#include <vector>

// The command line in UTF-8: the C runtime's arguments are in the ANSI code page, which cannot
// hold every file name.
struct ToolkitState {
    std::vector<std::string> arguments;
    std::vector<char*> pointers;
};

namespace {

std::vector<std::string> Utf8Arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(Narrow(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

// The program's title, as the caption of its message boxes: the name of its executable.
std::wstring ProgramTitle() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return std::filesystem::path(path).stem().wstring();
}

void ShowWarningBox(const std::string& utf8Text) {
    MessageBoxW(GetActiveWindow(), Widen(utf8Text).c_str(), ProgramTitle().c_str(),
                MB_OK | MB_ICONWARNING);
}

} // namespace

UiToolkit::UiToolkit(int& argc, char** argv) : m_state(std::make_unique<ToolkitState>()) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    MakeThisTheWindowThread();
    m_state->arguments = Utf8Arguments();
    for (std::string& argument : m_state->arguments) {
        m_state->pointers.push_back(argument.data());
    }
    if (static_cast<int>(m_state->pointers.size()) == argc) {
        std::copy(m_state->pointers.begin(), m_state->pointers.end(), argv);
    }
}

UiToolkit::~UiToolkit() = default;

// A module operation's thread waits until the user has closed the box, and the box comes after
// the log lines handed over before it.
void UiToolkit::InstallMessageBox() {
    SetMessageBoxHandler([](const std::string& utf8Text) {
        RunOnWindowThreadAndWait([&utf8Text] { ShowWarningBox(utf8Text); });
    });
}
