#pragma once

#include "platform/message_box.h"

#include <functional>
#include <string>
#include <vector>

class CDialog;
class CMenu;

// Records every message box instead of showing it, for the lifetime of the object. Once a
// window is given, each box is recorded on that window's thread, as the real box is shown, and
// after it in the same sequence the text its log pane held then, so a box and the log lines
// written before and after it keep their order.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void RecordWithLogOf(CDialog& window, int paneId) {
        m_window = &window;
        m_paneId = paneId;
    }

    std::vector<std::string> texts;
    // "<box text>" entries, each followed by the pane's text at that moment.
    std::vector<std::string> sequence;

private:
    CDialog* m_window = nullptr;
    int m_paneId = 0;
    MessageBoxHandler m_previous;
};

// What the user does, done the way the toolkit receives it; each backend's test support
// implements these.

// Runs action, which is expected to open a modal dialog; inspect is called with that dialog
// once it is shown, and the dialog is then closed unless inspect closed it. Returns false when
// no dialog appeared.
bool WithNextModalDialog(const std::function<void()>& action,
                         const std::function<void(CDialog&)>& inspect);

// Types the text into an edit box at its caret, as through the keyboard or a paste.
void TypeInto(CDialog& dialog, int controlId, const std::string& text);
void ClickButton(CDialog& dialog, int controlId);

enum class TestKey { Escape, Return, KeypadEnter, LetterA };
// Presses a key with the focus in the control, or on the window itself for id 0.
void PressKey(CDialog& dialog, int controlId, TestKey key);

// Opens the popup of the menu bar that holds the item, as a click on its title does, and closes
// it again (the Qt backend only: the popups of the Win32 one open in a modal loop of their own).
void OpenPopupHolding(const CMenu& menu, int commandId);

// The titles of the menu bar's popups in the order the bar shows them, each after a " | ".
std::string PopupTitles(const CMenu& menu);
