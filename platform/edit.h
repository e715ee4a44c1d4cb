#pragma once

#include "platform/dialog.h"

#include <string>
#include <utility>

// An edit box of a dialog, bound as a control object, for what goes beyond its text.
class CEdit {
public:
    CEdit() = default;
    explicit CEdit(ControlHandle control) : m_hWnd(control) {}

    // Inserts the text at the caret in place of the selection, without an undo record, and
    // scrolls the caret into view.
    void ReplaceSel(const std::string& text);
    // Selects from start to end (-1: the end of the text) and scrolls the caret into view.
    void SetSel(int start, int end);
    std::pair<int, int> GetSel() const;
    bool CanUndo() const;

private:
    ControlHandle m_hWnd = nullptr;
};
