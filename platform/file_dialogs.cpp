#include "platform/file_dialogs.h"

#include <utility>

namespace {

FileDialogHandler& InstalledHandler() {
    static FileDialogHandler handler;
    return handler;
}

} // namespace

std::optional<std::string> AskFileName(FileDialogKind kind, CDialog* parent) {
    const FileDialogHandler& handler = InstalledHandler();
    return handler ? handler(kind) : RunFileDialog(kind, parent);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}
