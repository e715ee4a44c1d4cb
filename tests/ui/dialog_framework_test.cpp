#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/log_pane.h"
#include "platform/menu_builder.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

constexpr int kNameBox = 1000;
constexpr int kLimitBox = 1001;
constexpr int kPeriodBox = 1002;
constexpr int kActiveBox = 1003;

const DialogTemplate& ExchangeTemplate() {
    static const DialogTemplate kTemplate{
        900,
        "Próba",
        200,
        100,
        {
            {kNameBox, ControlKind::Edit, "", {10, 10, 80, 12}, ControlStyle::Border},
            {kLimitBox, ControlKind::Edit, "", {10, 26, 40, 12}, ControlStyle::Border},
            {kPeriodBox, ControlKind::Edit, "", {10, 42, 40, 12}, ControlStyle::Border},
            {kActiveBox, ControlKind::CheckBox, "Aktywne", {10, 58, 60, 10}},
            {IDOK, ControlKind::DefaultPushButton, "OK", {140, 10, 50, 14}},
        },
    };
    return kTemplate;
}

// Binds the values the way the editors do: a limited text, then two checked numbers.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(ExchangeTemplate()) {}

    QString name;
    int limit = 0;
    int period = 0;
    int active = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, kNameBox, name);
        DDV_MaxChars(dx, name, 4);
        DDX_Text(dx, kLimitBox, limit);
        DDV_MinMaxInt(dx, limit, 0, 255);
        DDX_Text(dx, kPeriodBox, period);
        DDV_MinMaxInt(dx, period, 0, 65535);
        DDX_Check(dx, kActiveBox, active);
    }
};

void Type(CDialog& dialog, int id, const QString& text) {
    dialog.Item<QLineEdit>(id)->setText(text);
}

TEST(DialogUnits, FollowTheFontsAverageCharacterWidthAndHeight) {
    const DialogBaseUnits units = BaseUnitsOf(DialogFont());
    ASSERT_GT(units.x, 3);
    ASSERT_GT(units.y, 8);
    EXPECT_EQ(ToPixels(DialogRect{4, 8, 40, 80}, units),
              QRect(units.x, units.y, 10 * units.x, 10 * units.y));
    ExchangeDialog dialog;
    EXPECT_EQ(dialog.Item<QLineEdit>(kNameBox)->geometry(),
              ToPixels(DialogRect{10, 10, 80, 12}, units));
}

TEST(DialogBuilder, CreatesControlsFoundByIdWithTheirStyles) {
    CDialog console(IDD_CONSOLE);
    auto* ok = console.Item<QPushButton>(IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isHidden());
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(ok->isDefault());
    auto* cancel = console.Item<QPushButton>(IDCANCEL);
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_TRUE(cancel->isEnabled());
    auto* log = console.Item<QPlainTextEdit>(IDC_LOG);
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isReadOnly());
    EXPECT_EQ(log->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(console.GetDlgItem(4711), nullptr);
    EXPECT_EQ(console.windowTitle(), QStringLiteral("Konsola GRT-8"));
}

TEST(DataExchange, ShowsValuesAndLimitsTextTowardsTheControls) {
    ExchangeDialog dialog;
    dialog.name = QStringLiteral("1234");
    dialog.limit = -7;
    dialog.active = 1;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.Item<QLineEdit>(kNameBox)->text(), QStringLiteral("1234"));
    EXPECT_EQ(dialog.Item<QLineEdit>(kNameBox)->maxLength(), 4);
    EXPECT_EQ(dialog.Item<QLineEdit>(kLimitBox)->text(), QStringLiteral("-7"));
    EXPECT_TRUE(dialog.Item<QCheckBox>(kActiveBox)->isChecked());

    dialog.name = QStringLiteral("123456");
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.Item<QLineEdit>(kNameBox)->text(), QStringLiteral("123456"))
        << "a longer value is shown whole, for its check to refuse it";
    MessageBoxRecorder messages;
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Please enter no more than 4 characters."});
}

TEST(DataExchange, TakesOverEveryValueWhenAllChecksPass) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    Type(dialog, kNameBox, QStringLiteral("ab"));
    Type(dialog, kLimitBox, QStringLiteral(" \t+255 "));
    Type(dialog, kPeriodBox, QStringLiteral("-0"));
    dialog.Item<QCheckBox>(kActiveBox)->setChecked(true);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dialog.name, QStringLiteral("ab"));
    EXPECT_EQ(dialog.limit, 255);
    EXPECT_EQ(dialog.period, 0);
    EXPECT_EQ(dialog.active, 1);
}

// The first failed check ends the exchange: its own value was already taken over, the values
// after it keep what they held.
TEST(DataExchange, StopsAtTheFirstFailedCheck) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    dialog.period = 99;
    dialog.show();
    Type(dialog, kNameBox, QStringLiteral("ab"));
    Type(dialog, kLimitBox, QStringLiteral("300"));
    Type(dialog, kPeriodBox, QStringLiteral("5"));
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(dialog.limit, 300);
    EXPECT_EQ(dialog.period, 99);
    EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(kLimitBox));
    EXPECT_EQ(dialog.Item<QLineEdit>(kLimitBox)->selectedText(), QStringLiteral("300"));
}

TEST(DataExchange, GivesTheFrameworksMessages) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    Type(dialog, kNameBox, QStringLiteral("abcde"));
    EXPECT_FALSE(dialog.UpdateData(true));
    Type(dialog, kNameBox, QString());
    Type(dialog, kLimitBox, QStringLiteral("12a"));
    EXPECT_FALSE(dialog.UpdateData(true));
    Type(dialog, kLimitBox, QString());
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Please enter no more than 4 characters.",
                                        "Please enter an integer.", "Please enter an integer."}));
}

TEST(DialogInteger, AcceptsOnlyADecimalNumberBetweenBlanks) {
    int value = 0;
    EXPECT_TRUE(ParseDialogInteger(QStringLiteral("\t-25 "), value));
    EXPECT_EQ(value, -25);
    EXPECT_TRUE(ParseDialogInteger(QStringLiteral("007"), value));
    EXPECT_EQ(value, 7);
    for (const char* bad : {"", " ", "+", "- 5", "5 5", "0x10", "1e3", "12,5", "٣"}) {
        EXPECT_FALSE(ParseDialogInteger(QString::fromUtf8(bad), value)) << bad;
    }
    EXPECT_TRUE(ParseDialogInteger(QStringLiteral("99999999999999999999"), value));
    EXPECT_EQ(value, std::numeric_limits<int>::max()) << "too large numbers fail the range check";
}

TEST(Dialog, EscapeAndTheCloseBoxCancelWhileOkValidatesFirst) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    dialog.show();
    Type(dialog, kLimitBox, QStringLiteral("x"));
    dialog.SendCommand(IDOK);
    EXPECT_TRUE(dialog.isVisible()) << "a failed check keeps the dialog open";
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), IDCANCEL);
}

TEST(Menu, BuildsPopupsAndMovesCheckMarks) {
    QWidget owner;
    std::vector<int> chosen;
    CMenu menu;
    menu.LoadMenu(IDR_CONSOLE_MENU, &owner, [&](int id) { chosen.push_back(id); });
    ASSERT_NE(menu.Item(ID_COM5), nullptr);
    menu.Item(ID_COM5)->trigger();
    EXPECT_EQ(chosen, std::vector<int>{ID_COM5});
    menu.CheckMenuItem(ID_COM5, true);
    EXPECT_TRUE(menu.IsChecked(ID_COM5));
    menu.CheckMenuItem(ID_COM5, false);
    EXPECT_FALSE(menu.IsChecked(ID_COM5));
    EXPECT_FALSE(menu.Item(ID_COM5)->isCheckable()) << "no empty check box beside the item";
}

TEST(LogPane, KeepsLineEndsAndAppendsAtTheCaretWithoutUndo) {
    QPlainTextEdit pane;
    pane.setReadOnly(true);
    SetPaneText(pane, QStringLiteral("jeden\r\ndwa\r\n"));
    EXPECT_EQ(pane.blockCount(), 3);
    EXPECT_EQ(pane.textCursor().position(), 0) << "a replaced text is shown from its top";
    EXPECT_EQ(PaneText(pane), QStringLiteral("jeden\r\ndwa\r\n"));

    ClearPane(pane);
    ReplaceSelection(pane, QStringLiteral("Weryfikacja ..."));
    ReplaceSelection(pane, QStringLiteral("OK.\r\n"));
    EXPECT_EQ(PaneText(pane), QStringLiteral("Weryfikacja ...OK.\r\n"));
    EXPECT_FALSE(pane.document()->isUndoAvailable());
}

} // namespace
