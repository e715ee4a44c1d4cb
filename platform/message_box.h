#pragma once

#include <functional>
#include <string>

// The console reports every fault in one form of message box: an OK button, the warning icon
// and the program's name as caption. Code without a window calls ShowMessageBox; the user
// interface installs the handler that really shows the box, and tests install one that
// records the texts.
using MessageBoxHandler = std::function<void(const std::string& utf8Text)>;

void ShowMessageBox(const std::string& utf8Text);

// Returns the handler that was installed before, so a caller can put it back.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
