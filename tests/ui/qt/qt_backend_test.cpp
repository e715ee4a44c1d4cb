// What only the Qt backend has: widgets sized from the toolkit's font, its menu bar, its file
// dialog, and the scrolling, keyboard and clipboard handling of its text panes.
#include "app/about_dlg.h"
#include "app/console_dlg.h"
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_texts_dlg.h"
#include "editors/variable_codes_dlg.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/menu_bar.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/qt/qt_test_support.h"
#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

template <class Control> Control* Item(const CDialog& dialog, int controlId) {
    return qobject_cast<Control*>(ToWidget(dialog.GetDlgItem(controlId)));
}

// The console's menu bar as the user reads it, each item with the command id it sends; the
// console's hidden buttons and its read-only pane as the window's template makes them.
TEST(QtConsoleWindow, MenuBarButtonsAndPane) {
    CConsoleDlg console("\"/no/such/folder/startup.gr8\"");
    const MenuBar& bar = console.Menu().Bar();
    std::map<const QAction*, int> ids;
    for (const auto& [id, action] : bar.items) {
        ids[action] = id;
    }
    std::string shown;
    for (const QAction* popup : console.Window().findChild<QMenuBar*>()->actions()) {
        shown += popup->text().toStdString() + "\n";
        for (const QAction* item : popup->menu()->actions()) {
            shown += "  " + std::to_string(ids[item]) + " " + item->text().toStdString() + "\n";
        }
    }
    std::ifstream expected(GRT8_UI_EXPECTED "/console_menu.txt", std::ios::binary);
    EXPECT_EQ(shown, (std::ostringstream() << expected.rdbuf()).str());
    bar.Item(ID_COM5)->trigger();
    EXPECT_EQ(console.m_strLog, "Wybrano port COM5\r\n");
    EXPECT_FALSE(bar.Item(ID_COM1)->isCheckable()) << "no empty check box beside the item";

    const auto* ok = Item<QPushButton>(console, IDOK);
    const auto* cancel = Item<QPushButton>(console, IDCANCEL);
    EXPECT_TRUE(ok->isHidden() && !ok->isEnabled() && ok->isDefault());
    EXPECT_TRUE(cancel->isHidden() && cancel->isEnabled());
    const auto* log = Item<QPlainTextEdit>(console, IDC_LOG);
    EXPECT_TRUE(log->isReadOnly());
    EXPECT_EQ(log->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// A long line scrolls sideways with the caret; the pane shows only its vertical scroll bar.
// The variable codes list opens at its heading and can be copied but not changed.
TEST(QtTextPanes, ScrollCopyAndStayUnchanged) {
    CConsoleDlg console("\"/no/such/folder/startup.gr8\"");
    console.ShowWindow(true);
    const auto* pane = Item<QPlainTextEdit>(console, IDC_LOG);
    console.AppendToLogPane(std::string(400, 'x'));
    QApplication::processEvents();
    EXPECT_GT(pane->horizontalScrollBar()->value(), 0) << "the line's end is scrolled into view";
    EXPECT_FALSE(pane->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(pane->verticalScrollBar()->isVisible());

    CVariableCodesDlg dialog;
    dialog.ShowWindow(true);
    QPlainTextEdit& list = *Item<QPlainTextEdit>(dialog, IDC_CODES_LIST);
    const std::string text = dialog.ItemText(IDC_CODES_LIST);
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);
    EXPECT_EQ(list.textCursor().position(), 0);
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers, const QString& typed = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, typed);
        QApplication::sendEvent(&list, &event);
    };
    press(Qt::Key_X, Qt::NoModifier, "x");
    press(Qt::Key_Delete, Qt::NoModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dialog.ItemText(IDC_CODES_LIST), text);
    press(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), list.toPlainText());
}

// The real Open dialog takes a name typed for a missing file; the load then says it did not
// open. A dialog that insisted on an existing file would stop on a warning of its own.
TEST(QtFileDialog, OpenTakesTheNameOfAMissingFile) {
    TemporaryFolder folder;
    MessageBoxRecorder messages;
    CConsoleDlg console(std::nullopt);
    console.ShowWindow(true);
    EXPECT_TRUE(WithNextQtDialog([&] { console.SendCommand(ID_LOAD_FILE); },
                                 [&](QDialog& dialog) {
                                     dynamic_cast<QFileDialog&>(dialog).selectFile(
                                         QString::fromStdString((folder / "brak.gr8").string()));
                                     QTimer refusal;
                                     QObject::connect(&refusal, &QTimer::timeout, [&] {
                                         if (QWidget* warning = QApplication::activeModalWidget();
                                             warning && warning != &dialog) {
                                             warning->close();
                                         }
                                     });
                                     refusal.start(50);
                                     dialog.accept();
                                 }));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd otwarcia pliku !"});
}

// A text the font needs more room for than its control offers would be cut off on screen.
bool TextFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return !label->pixmap().isNull() ||
               label->heightForWidth(label->width()) <= label->height();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        return box->sizeHint().width() <= box->width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        return button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width();
    }
    return true;
}

// Every control shown inside the window, its text whole, none over another but for group boxes, and
// the pictures loaded.
TEST(QtLayout, ControlsFitTheirTextsWithoutOverlapping) {
    CGeneralSettingsDlg general;
    CLineSettingsDlg lines;
    CSmsTextsDlg texts;
    CReportsControlDlg reports;
    CConsoleDlg console(std::nullopt);
    CAboutDlg about(&console);
    const std::pair<const CDialog*, int> dialogs[] = {{&general, 0}, {&lines, 2},   {&texts, 0},
                                                      {&reports, 0}, {&console, 1}, {&about, 1}};
    for (const auto& [dialog, pictures] : dialogs) {
        const QWidget* area = ToWidget(dialog->GetDlgItem(IDOK))->parentWidget();
        QList<QWidget*> controls = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        controls.removeIf([](const QWidget* control) { return control->isHidden(); });
        int picturesShown = 0;
        for (const QWidget* control : controls) {
            const auto* label = qobject_cast<const QLabel*>(control);
            picturesShown += label != nullptr && !label->pixmap().isNull() ? 1 : 0;
            const std::string name = dialog->Caption() + ": " +
                                     (label ? label->text() : control->objectName()).toStdString();
            EXPECT_TRUE(area->rect().contains(control->geometry())) << name;
            EXPECT_TRUE(TextFits(control)) << "cut off: " << name;
            for (const QWidget* other : controls) {
                EXPECT_TRUE(control == other || qobject_cast<const QGroupBox*>(control) ||
                            qobject_cast<const QGroupBox*>(other) ||
                            !control->geometry().intersects(other->geometry()))
                    << name << " overlaps another control";
            }
        }
        EXPECT_EQ(picturesShown, pictures) << dialog->Caption();
    }
}

} // namespace
