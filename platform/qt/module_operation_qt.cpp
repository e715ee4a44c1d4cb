#include "platform/module_operation.h"

#include "platform/qt/dialog_window.h"

#include <QEventLoop>
#include <QMetaObject>
#include <thread>

void RunModuleOperation(const std::function<void()>& operation) {
    QEventLoop waiting;
    std::thread worker([&] {
        operation();
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
}

void PostToWindow(CDialog& window, std::function<void()> work) {
    QMetaObject::invokeMethod(&window.Window(), std::move(work));
}
