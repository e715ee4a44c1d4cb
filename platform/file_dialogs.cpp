#include "platform/file_dialogs.h"

#include <QFileDialog>
#include <utility>

namespace {

FileDialogHandler& InstalledHandler() {
    static FileDialogHandler handler;
    return handler;
}

std::optional<QString> RunFileDialog(FileDialogKind kind, QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(QStringLiteral("Pliki konfiguracji (*.GR8)"));
    dialog.setDefaultSuffix(QStringLiteral("gr8"));
    // Open does not insist that the file exists either: a name typed for a missing file goes
    // to the load, which then says that the file did not open.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                      : QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> AskFileName(FileDialogKind kind, QWidget* parent) {
    const FileDialogHandler& handler = InstalledHandler();
    return handler ? handler(kind) : RunFileDialog(kind, parent);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}
