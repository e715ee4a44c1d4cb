#pragma once

#include <functional>
#include <optional>
#include <string>

class CDialog;

enum class FileDialogKind { Open, Save };

// The Open and Save dialogs for configuration files. The result is the chosen path, or
// nothing when the user cancelled. Save asks before an existing file is overwritten.
std::optional<std::string> AskFileName(FileDialogKind kind, CDialog* parent);

// Tests answer the dialogs themselves; the previous handler is returned.
using FileDialogHandler = std::function<std::optional<std::string>(FileDialogKind kind)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

// The toolkit's own dialog, which AskFileName shows when no handler is installed.
std::optional<std::string> RunFileDialog(FileDialogKind kind, CDialog* parent);

// Upper case as the platform writes it in file names, for any letter (Polish ones included).
std::string ToUpperCase(const std::string& text);
