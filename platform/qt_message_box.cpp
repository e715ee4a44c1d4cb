#include "platform/qt_message_box.h"

#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowWarningBox(const std::string& utf8Text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    QString::fromStdString(utf8Text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

void InstallQtMessageBox() {
    SetMessageBoxHandler(ShowWarningBox);
}
