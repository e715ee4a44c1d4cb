#include "platform/application.h"

#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

struct ToolkitState : QApplication {
    using QApplication::QApplication;
};

namespace {

void ShowWarningBox(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// A module operation running on its own thread waits here until the user has closed the box,
// as it would on the window's thread.
void ShowWarningBoxOnWindowThread(const std::string& utf8Text) {
    const QString text = QString::fromStdString(utf8Text);
    if (QThread::currentThread() == qApp->thread()) {
        ShowWarningBox(text);
        return;
    }
    QMetaObject::invokeMethod(
        qApp, [&text] { ShowWarningBox(text); }, Qt::BlockingQueuedConnection);
}

} // namespace

UiToolkit::UiToolkit(int& argc, char** argv)
    : m_state(std::make_unique<ToolkitState>(argc, argv)) {}

UiToolkit::~UiToolkit() = default;

void UiToolkit::InstallMessageBox() {
    SetMessageBoxHandler(ShowWarningBoxOnWindowThread);
}
