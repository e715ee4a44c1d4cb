#include "app/console_dlg.h"
#include "config/image_layout.h"
#include "platform/log_pane.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

struct ExpectedItem {
    int id;
    const char* label;
};

class ConsoleWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_comPortDigit[0] = '1';
        console.show();
    }

    QString Pane() { return PaneText(*console.Item<QPlainTextEdit>(IDC_LOG)); }
    void Press(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    CConsoleDlg console{"\"/no/such/folder/startup.gr8\""};
};

TEST_F(ConsoleWindowTest, MenuHoldsEveryCommandInOrder) {
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
    const QList<QAction*> popups = console.Menu().MenuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t p = 0; p < expected.size(); ++p) {
        EXPECT_EQ(popups[p]->text(), QString::fromUtf8(expected[p].first));
        const QList<QAction*> items = popups[p]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[p].second.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i],
                      console.Menu().Item(expected[p].second[static_cast<std::size_t>(i)].id));
            EXPECT_EQ(items[i]->text(),
                      QString::fromUtf8(expected[p].second[static_cast<std::size_t>(i)].label));
        }
    }
}

TEST_F(ConsoleWindowTest, StartsWithEmptyLogComOneAndZeroImage) {
    EXPECT_EQ(Pane(), QString());
    EXPECT_TRUE(console.Menu().IsChecked(ID_COM1));
    EXPECT_EQ(console.Image(), ConfigImage{});
    EXPECT_EQ(console.windowTitle(), QStringLiteral("Konsola GRT-8"));
    EXPECT_EQ(console.focusWidget(), console.GetDlgItem(IDC_LOG));
}

TEST_F(ConsoleWindowTest, ChoosingAPortReplacesTheLogAndMovesTheCheckMark) {
    console.m_strLog = QStringLiteral("stare\r\n");
    for (int round = 0; round < 2; ++round) {
        console.SendCommand(ID_COM5);
        EXPECT_EQ(console.m_strLog, QStringLiteral("Wybrano port COM5\r\n"));
        EXPECT_EQ(Pane(), QStringLiteral("Wybrano port COM5\r\n"));
        EXPECT_EQ(g_comPortDigit[0], '5');
        EXPECT_EQ(g_comPortDigit[1], '\0');
        for (const int id :
             {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM6, ID_COM7, ID_COM8, ID_COM9}) {
            EXPECT_FALSE(console.Menu().IsChecked(id)) << id;
        }
        EXPECT_TRUE(console.Menu().IsChecked(ID_COM5));
    }
    console.SendCommand(ID_COM9);
    EXPECT_EQ(Pane(), QStringLiteral("Wybrano port COM9\r\n"));
    EXPECT_FALSE(console.Menu().IsChecked(ID_COM5));
}

TEST_F(ConsoleWindowTest, EscapeAndEnterDoNotCloseTheWindow) {
    QWidget* pane = console.GetDlgItem(IDC_LOG);
    for (QWidget* target : {pane, static_cast<QWidget*>(&console)}) {
        Press(target, Qt::Key_Escape);
        Press(target, Qt::Key_Return);
        Press(target, Qt::Key_Enter);
        EXPECT_TRUE(console.isVisible());
    }
}

// What the operations append lives in the pane only, until a refresh brings back the log text.
TEST_F(ConsoleWindowTest, LogLayersStaySeparateUntilRefreshed) {
    console.m_strLog = QStringLiteral("Zapisano konfigurację do pliku:\r\nA.GR8\r\n");
    console.RefreshLogPane();
    console.ClearLogPane();
    console.AppendToLogPane(QStringLiteral("Otwarcie portu COM1\r\n"));
    console.AppendToLogPane(QStringLiteral("Weryfikacja ..."));
    console.AppendToLogPane(QStringLiteral("OK.\r\n"));
    EXPECT_EQ(Pane(), QStringLiteral("Otwarcie portu COM1\r\nWeryfikacja ...OK.\r\n"));
    EXPECT_EQ(console.m_strLog, QStringLiteral("Zapisano konfigurację do pliku:\r\nA.GR8\r\n"));
    console.RefreshLogPane();
    EXPECT_EQ(Pane(), console.m_strLog);
}

// A long line scrolls sideways with the caret; the pane shows only its vertical scroll bar.
TEST_F(ConsoleWindowTest, LogPaneScrollsALongLineWithoutAHorizontalBar) {
    auto* pane = console.Item<QPlainTextEdit>(IDC_LOG);
    console.AppendToLogPane(QString(400, QLatin1Char('x')));
    QApplication::processEvents();
    EXPECT_GT(pane->horizontalScrollBar()->value(), 0) << "the line's end is scrolled into view";
    EXPECT_FALSE(pane->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(pane->verticalScrollBar()->isVisible());
}

TEST_F(ConsoleWindowTest, KeysAimedAtTheWindowLeaveNoTrace) {
    console.m_strLog = QStringLiteral("log\r\n");
    console.RefreshLogPane();
    console.setFocus();
    Press(&console, Qt::Key_A);
    EXPECT_EQ(Pane(), QStringLiteral("log\r\n"));
    EXPECT_TRUE(console.isVisible());
}

TEST_F(ConsoleWindowTest, AboutBoxShowsTheVersionEveryTime) {
    for (int round = 0; round < 2; ++round) {
        QString caption;
        QString version;
        const bool shown = WithNextModalDialog([&] { console.SendCommand(IDM_ABOUTBOX); },
                                               [&](QDialog& about) {
                                                   caption = about.windowTitle();
                                                   auto& dialog = dynamic_cast<CDialog&>(about);
                                                   version =
                                                       dialog.Item<QLabel>(IDC_VERSION)->text();
                                               });
        ASSERT_TRUE(shown);
        EXPECT_EQ(caption, QStringLiteral("O programie"));
        EXPECT_EQ(version, QStringLiteral("2.6"));
    }
}

// Each editor sees the console's own image; the console itself is left exactly as it was.
TEST_F(ConsoleWindowTest, EditorsWorkOnTheImageAndLeaveTheConsoleAlone) {
    console.Image()[kReportFlagsOffset] = 0x01;
    console.Image()[1022] = 0x12;
    const ConfigImage before = console.Image();
    console.m_strLog = QStringLiteral("stare\r\n");
    console.AppendToLogPane(QStringLiteral("Odczyt bloku 1...\r\n"));
    const QString pane = Pane();
    for (const int command :
         {ID_GENERAL_SETTINGS, ID_LINE_SETTINGS, ID_SMS_TEXTS, ID_REPORTS_CONTROL}) {
        QString caption;
        bool firstReportBoxTicked = false;
        ASSERT_TRUE(WithNextModalDialog([&] { console.SendCommand(command); },
                                        [&](QDialog& editor) {
                                            caption = editor.windowTitle();
                                            auto& dialog = dynamic_cast<CDialog&>(editor);
                                            if (auto* box =
                                                    dialog.Item<QCheckBox>(IDC_REPORT_TEL_1)) {
                                                firstReportBoxTicked = box->isChecked();
                                            }
                                        }))
            << command;
        EXPECT_FALSE(caption.isEmpty());
        if (command == ID_REPORTS_CONTROL) {
            EXPECT_TRUE(firstReportBoxTicked);
        }
        EXPECT_EQ(console.m_strLog, pane) << "the pane's text is taken into the log first";
        EXPECT_EQ(Pane(), pane);
        EXPECT_EQ(console.Image(), before);
    }
}

TEST_F(ConsoleWindowTest, ExitEndsWithOkAndCopiesThePaneIntoTheLog) {
    console.AppendToLogPane(QStringLiteral("Odczyt bloku 1...\r\n"));
    console.SendCommand(ID_EXIT);
    EXPECT_FALSE(console.isVisible());
    EXPECT_EQ(console.result(), IDOK);
    EXPECT_EQ(console.m_strLog, QStringLiteral("Odczyt bloku 1...\r\n"));
}

TEST_F(ConsoleWindowTest, CloseBoxEndsWithCancel) {
    console.close();
    EXPECT_FALSE(console.isVisible());
    EXPECT_EQ(console.result(), IDCANCEL);
}

} // namespace
