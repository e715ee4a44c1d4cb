#pragma once

#include "platform/dialog.h"
#include "platform/win32/dialog_template_win32.h"

#include "platform/win32/windows_api.h"
#include <map>
#include <memory>
#include <string>
#include <vector>

struct MenuBar;

// A control handle names its dialog and its id; the window behind it is looked up when used,
// so handles can be taken before the dialog's window exists.
struct DialogControl {
    DialogWindow* window = nullptr;
    int id = 0;
};

// The window behind a CDialog. It is created when first needed: by DoModal through the dialog
// manager's own modal loop, or by the first use of a control as a modeless window.
class DialogWindow {
public:
    DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, DialogWindow* parent);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    CDialog& Owner() const { return m_owner; }
    HWND Handle();
    HWND Control(int controlId);
    ControlHandle ControlHandleOf(int controlId);
    int IdOf(HWND control) const;

    int RunModal();
    void End(int result);
    int Result() const { return m_result; }
    bool RunByDialogManager() const { return m_runByDialogManager; }
    void Show(bool show);

    void SetMenuBar(MenuBar& menu);
    void AppendSystemMenuItem(int commandId, const std::string& label);
    void SetIcon(int iconId);
    void MakeApplicationWindow() { m_frame = {WS_MINIMIZEBOX, WS_EX_APPWINDOW}; }

    // The dialog of ours that a window belongs to, or nullptr.
    static DialogWindow* Of(HWND window);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam);
    static LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam);
    void Create();
    void Attach(HWND window);
    void ShowPictures();
    void Initialise();
    void FocusFirstControl();
    void FitClientAreaToTemplate();
    void PaintMinimised();
    HWND ParentHandle() const;

    CDialog& m_owner;
    const DialogTemplate& m_template;
    DialogWindow* m_parent;
    DialogFrame m_frame;
    HWND m_window = nullptr;
    HMENU m_menu = nullptr;
    MenuBar* m_menuBar = nullptr;
    std::map<int, std::unique_ptr<DialogControl>> m_controls;
    std::vector<int> m_systemCommands;
    std::vector<HBITMAP> m_pictures;
    HICON m_largeIcon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_runByDialogManager = false;
    bool m_initialised = false;
    bool m_ended = false;
    int m_result = 0;
};

// The module the program's resources are linked into.
HINSTANCE ProgramInstance();
