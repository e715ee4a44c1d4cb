#pragma once

#include <string>

// What a module operation needs of the console's log pane. Texts are UTF-8 and end their lines
// with "\r\n".
class OperationLog {
public:
    virtual ~OperationLog() = default;

    // Empties the pane; the log text behind it stays, so a later refresh brings it back.
    virtual void ClearLogPane() = 0;
    // Empties the pane and the log text behind it.
    virtual void ClearLogPaneAndText() = 0;
    // Adds the text at the end of the pane.
    virtual void AppendToLogPane(const std::string& text) = 0;
};
