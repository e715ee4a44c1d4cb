#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

enum class FileDialogKind { Open, Save };

// The Open and Save dialogs for configuration files. The result is the chosen path, or
// nothing when the user cancelled. Save asks before an existing file is overwritten.
std::optional<QString> AskFileName(FileDialogKind kind, QWidget* parent);

// Tests answer the dialogs themselves; the previous handler is returned.
using FileDialogHandler = std::function<std::optional<QString>(FileDialogKind kind)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
