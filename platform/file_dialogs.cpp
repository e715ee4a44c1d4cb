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
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
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
