#pragma once

#include <memory>

struct ToolkitState;

// The toolkit, alive for the whole run: made in main before any window.
class UiToolkit {
public:
    UiToolkit(int& argc, char** argv);
    ~UiToolkit();
    UiToolkit(const UiToolkit&) = delete;
    UiToolkit& operator=(const UiToolkit&) = delete;

    // Makes ShowMessageBox show the platform's message box: the warning icon, an OK button and
    // the program's name as caption, over the active window; from a module operation's thread
    // too, which waits until the box is closed.
    void InstallMessageBox();

private:
    std::unique_ptr<ToolkitState> m_state;
};
