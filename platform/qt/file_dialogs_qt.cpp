#include "platform/file_dialogs.h"

#include "platform/qt/dialog_window.h"

#include <QFileDialog>

std::optional<std::string> RunFileDialog(FileDialogKind kind, CDialog* parent) {
    QFileDialog dialog(parent == nullptr ? nullptr : &parent->Window());
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
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string ToUpperCase(const std::string& text) {
    return QString::fromStdString(text).toUpper().toStdString();
}
