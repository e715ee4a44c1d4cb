#include "platform/menu.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/menu_bar.h"
#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

bool WithNextModalDialog(const std::function<void()>& action,
                         const std::function<void(CDialog&)>& inspect) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible() && !std::exchange(seen, true)) {
            inspect(dialog->Owner());
            if (dialog->isVisible()) {
                dialog->done(QDialog::Rejected);
            }
        }
    });
    poll.start(5);
    action();
    return seen;
}

void TypeInto(CDialog& dialog, int controlId, const std::string& text) {
    qobject_cast<QLineEdit*>(ToWidget(dialog.GetDlgItem(controlId)))
        ->insert(QString::fromStdString(text));
}

void ClickButton(CDialog& dialog, int controlId) {
    qobject_cast<QPushButton*>(ToWidget(dialog.GetDlgItem(controlId)))->click();
}

void PressKey(CDialog& dialog, int controlId, TestKey key) {
    static const std::map<TestKey, std::pair<int, QString>> kKeys = {
        {TestKey::Escape, {Qt::Key_Escape, QString()}},
        {TestKey::Return, {Qt::Key_Return, QString()}},
        {TestKey::KeypadEnter, {Qt::Key_Enter, QString()}},
        {TestKey::LetterA, {Qt::Key_A, QStringLiteral("a")}},
    };
    const auto& [code, text] = kKeys.at(key);
    QWidget* target = controlId == 0 ? &dialog.Window() : ToWidget(dialog.GetDlgItem(controlId));
    target->setFocus();
    QKeyEvent press(QEvent::KeyPress, code,
                    key == TestKey::KeypadEnter ? Qt::KeypadModifier : Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

void OpenPopupHolding(const CMenu& menu, int commandId) {
    auto* popup = qobject_cast<QMenu*>(menu.Bar().Item(commandId)->parent());
    popup->popup(QPoint(0, 0));
    popup->hide();
}

std::string PopupTitles(const CMenu& menu) {
    std::string titles;
    for (const QAction* popup : menu.Bar().bar->actions()) {
        titles += " | " + popup->text().toStdString();
    }
    return titles;
}

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
