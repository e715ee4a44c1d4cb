#include "platform/file_dialogs.h"

#include "platform/qt/dialog_window.h"

#include <QFileDialog>

std::optional<std::string> RunFileDialog(FileDialogKind kind, CDialog* parent) {
    QFileDialog dialog(parent == nullptr ? nullptr : &parent->Window());
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
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string ToUpperCase(const std::string& text) {
    return QString::fromStdString(text).toUpper().toStdString();
}
