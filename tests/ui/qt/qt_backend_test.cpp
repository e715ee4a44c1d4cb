// What only the Qt backend has: widgets sized from the toolkit's font, its menu bar, its file
// dialog, and the scrolling, keyboard and clipboard handling of its text panes.
#include "app/console_dlg.h"
#include "editors/variable_codes_dlg.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/menu_bar.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/qt/qt_test_support.h"
#include "tests/ui/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

template <class Control> Control* Item(const CDialog& dialog, int controlId) {
    return qobject_cast<Control*>(ToWidget(dialog.GetDlgItem(controlId)));
}

TEST(DialogUnits, FollowTheFontsAverageCharacterWidthAndHeight) {
    const DialogBaseUnits units = BaseUnitsOf(DialogFont());
    ASSERT_GT(units.x, 3);
    ASSERT_GT(units.y, 8);
    EXPECT_EQ(ToPixels(DialogRect{4, 8, 40, 80}, units),
              QRect(units.x, units.y, 10 * units.x, 10 * units.y));
    CDialog about(IDD_ABOUTBOX);
    EXPECT_EQ(Item<QPushButton>(about, IDOK)->geometry(),
              ToPixels(DialogRect{178, 7, 50, 14}, units));
}

TEST(DialogBuilder, CreatesControlsWithTheirStyles) {
    CDialog console(IDD_CONSOLE);
    auto* ok = Item<QPushButton>(console, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isHidden());
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(ok->isDefault());
    auto* cancel = Item<QPushButton>(console, IDCANCEL);
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_TRUE(cancel->isEnabled());
    auto* log = Item<QPlainTextEdit>(console, IDC_LOG);
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isReadOnly());
    EXPECT_EQ(log->lineWrapMode(), QPlainTextEdit::NoWrap);
}

struct ExpectedItem {
    int id;
    const char* label;
};

TEST(Menu, ShowsEveryCommandInOrderAndSendsItsId) {
    const std::vector<std::pair<const char*, std::vector<ExpectedItem>>> expected = {
        {"&Plik",
         {{ID_LOAD_FILE, "&L - Otwórz konfigurację z pliku"},
          {ID_SAVE_FILE, "&S - Zapisz konfigurację do pliku"},
          {ID_EXIT, "&X - Wyjście"}}},
        {"&Edycja",
         {{ID_READ_CONFIGURATION, "&R - Odczytaj konfigurację z modułu"},
          {ID_SEND_CONFIGURATION, "&W - Wyślij konfigurację do modułu"}}},
        {"&Konfiguracja",
         {{ID_GENERAL_SETTINGS, "&U - Ustawienia ogólne"},
          {ID_LINE_SETTINGS, "&I - Ustawienia linii"},
          {ID_SMS_TEXTS, "&T - Teksty SMS"},
          {ID_REPORTS_CONTROL, "&P - Raporty i sterowanie"}}},
        {"Port &COM",
         {{32776, "COM &1"},
          {32777, "COM &2"},
          {32778, "COM &3"},
          {32779, "COM &4"},
          {32793, "COM &5"},
          {32798, "COM &6"},
          {32799, "COM &7"},
          {32800, "COM &8"},
          {32801, "COM &9"}}},
        {"&Informacje", {{ID_MODULE_VERSION, "&V - Wersja modułu"}, {16, "&O programie"}}},
    };
    CConsoleDlg console("\"/no/such/folder/startup.gr8\"");
    const MenuBar& bar = console.Menu().Bar();
    const QList<QAction*> popups = console.Window().findChild<QMenuBar*>()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t p = 0; p < expected.size(); ++p) {
        EXPECT_EQ(popups[p]->text(), QString::fromUtf8(expected[p].first));
        const QList<QAction*> items = popups[p]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[p].second.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const ExpectedItem& item = expected[p].second[static_cast<std::size_t>(i)];
            EXPECT_EQ(items[i], bar.Item(item.id));
            EXPECT_EQ(items[i]->text(), QString::fromUtf8(item.label));
        }
    }
    bar.Item(ID_COM5)->trigger();
    EXPECT_EQ(console.m_strLog, "Wybrano port COM5\r\n");
    EXPECT_FALSE(bar.Item(ID_COM1)->isCheckable()) << "no empty check box beside the item";
}

TEST(VariableCodesList, OpensAtItsHeadingAndCanBeCopiedButNotChanged) {
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

// A long line scrolls sideways with the caret; the pane shows only its vertical scroll bar.
TEST(LogPane, ScrollsALongLineWithoutAHorizontalBar) {
    CConsoleDlg console("\"/no/such/folder/startup.gr8\"");
    console.ShowWindow(true);
    auto* pane = Item<QPlainTextEdit>(console, IDC_LOG);
    console.AppendToLogPane(std::string(400, 'x'));
    QApplication::processEvents();
    EXPECT_GT(pane->horizontalScrollBar()->value(), 0) << "the line's end is scrolled into view";
    EXPECT_FALSE(pane->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(pane->verticalScrollBar()->isVisible());
}

// The real Open dialog takes a name typed for a missing file; the load then says it did not open.
TEST(FileDialog, OpenTakesTheNameOfAMissingFile) {
    TemporaryFolder folder;
    MessageBoxRecorder messages;
    CConsoleDlg console(std::nullopt);
    console.ShowWindow(true);
    const auto typeNameAndAccept = [&](QDialog& dialog) {
        dynamic_cast<QFileDialog&>(dialog).selectFile(
            QString::fromStdString((folder / "brak.gr8").string()));
        // A dialog that insisted on an existing file would stop on a warning of its own.
        QTimer refusal;
        QObject::connect(&refusal, &QTimer::timeout, [&] {
            if (QWidget* warning = QApplication::activeModalWidget();
                warning && warning != &dialog) {
                warning->close();
            }
        });
        refusal.start(50);
        dialog.accept();
    };
    EXPECT_TRUE(WithNextQtDialog([&] { console.SendCommand(ID_LOAD_FILE); }, typeNameAndAccept));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd otwarcia pliku !"});
}

} // namespace
