#include "app/operation_runner.h"

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
