#include "editors/variable_codes_dlg.h"
#include "platform/log_pane.h"
#include "resources/resource_ids.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

class VariableCodesDialog : public ::testing::Test {
protected:
    VariableCodesDialog() { dialog.show(); }

    QString ListText() const { return PaneText(list); }

    void Press(int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&list, &press);
    }

    CVariableCodesDlg dialog;
    QPlainTextEdit& list = *dialog.Item<QPlainTextEdit>(IDC_CODES_LIST);
};

TEST_F(VariableCodesDialog, ListsTheCodesInOrderOnTwentyTwoLinesOnce) {
    dialog.hide();
    dialog.show();
    const QString text = ListText();
    const QStringList lines = text.split("\r\n");

    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[0], "Kody zmiennych w tekstach SMS:");
    EXPECT_EQ(lines[1], QString(37, u'='));
    EXPECT_EQ(lines[6], "$174 - temperatura T1 [°C]");
    EXPECT_EQ(lines[8], "$177 - poziom odbieranego sygnalu GSM (0...31) ");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[22], "");
    qsizetype previous = -1;
    for (const char* code :
         {"$170", "$171", "$172", "$173", "$174", "$175", "$177", "$178", "$179", "$180", "$181",
          "$182", "$183", "$184", "$185", "$191", "$201", "$211"}) {
        EXPECT_EQ(text.count(code), 1) << code;
        EXPECT_GT(text.indexOf(code), previous) << code;
        previous = text.indexOf(code);
    }
}

TEST_F(VariableCodesDialog, OpensAtItsHeadingAndCanBeCopiedButNotChanged) {
    const QString text = ListText();
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);
    EXPECT_EQ(list.textCursor().position(), 0);

    Press(Qt::Key_X, Qt::NoModifier, "x");
    Press(Qt::Key_Delete, Qt::NoModifier);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ListText(), text);

    Press(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), list.toPlainText());
}

} // namespace
