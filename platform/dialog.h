#pragma once

#include "resources/dialog_template.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class CDataExchange;
class CMenu;
class DialogWindow;

// A control of a dialog as the toolkit knows it; only the toolkit's own code looks inside.
using ControlHandle = struct DialogControl*;

// The keys a dialog may look at before the toolkit handles them.
enum class DialogKey { Escape, Other };

// The base of every dialog of the console, the same whichever toolkit shows it. It builds its
// controls from a dialog template, finds them by id, exchanges member values with them and
// dispatches commands, so the dialog classes themselves only bind values and handle commands.
// Texts are UTF-8; multi-line texts have "\r\n" line ends.
class CDialog {
public:
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    explicit CDialog(const DialogTemplate& dialogTemplate, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; the result is the id it was ended with (IDOK, IDCANCEL).
    int DoModal();
    void EndDialog(int result);
    int GetResult() const;

    // Shows the window without running it modally, or hides it; the first show initialises it.
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    // What the close box does.
    void Close();
    std::string Caption() const;

    ControlHandle GetDlgItem(int controlId) const;
    std::string ItemText(int controlId) const;
    // An edit box shows a text longer than its typing limit whole.
    void SetItemText(int controlId, const std::string& text);
    bool IsDlgButtonChecked(int controlId) const;
    void CheckDlgButton(int controlId, bool checked);
    // Limits what can be typed or pasted into an edit box, never below the text it holds.
    void LimitItemText(int controlId, int maxChars);
    // Gives the control the keyboard focus; its selection stays as it was.
    void GotoDlgCtrl(int controlId);
    // The control with the keyboard focus, or 0.
    int FocusedItemId() const;
    // The control that Tab moves the focus to from the given one.
    int GetNextDlgTabItem(int controlId) const;

    // Towards the controls (false) or from them with validation (true). A failed check has
    // shown its message and focused its control; the result is then false.
    bool UpdateData(bool saveAndValidate = true);

    // Runs the handler of a button or menu command, as a click or a menu choice does.
    void SendCommand(int commandId);

    DialogWindow& Window() const { return *m_window; }

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    // Once, before the window first appears; the base puts the member values into the controls.
    virtual void OnInitDialog();
    // Each time the window is shown.
    virtual void OnShowWindow() {}
    virtual void OnOK();
    virtual void OnCancel();
    // Every key-down addressed to the window or one of its controls, before anything else sees
    // it; true discards it.
    virtual bool PreTranslateKeyDown(DialogKey) { return false; }
    // A key-down addressed to the window itself rather than to a control; typesCharacter when it
    // also gives a character.
    virtual void OnKeyDown(bool /*typesCharacter*/) {}

    void AddCommandHandler(int commandId, std::function<void()> handler);
    // Puts the menu above the controls (the dialog grows by its height); its items send their
    // command ids.
    void SetMenu(CMenu& menu);
    // A separator and an item in the window's system menu, where the platform has one; the item
    // sends its command id.
    void AppendSystemMenuItem(int commandId, const std::string& label);
    // The window's large and small icon, from an icon resource.
    void SetIcon(int iconId);
    // The program's main window: a window of its own with its own taskbar button.
    void MakeApplicationWindow();

private:
    friend class DialogWindow;

    std::unique_ptr<DialogWindow> m_window;
    std::map<int, std::function<void()>> m_commandHandlers;
};
