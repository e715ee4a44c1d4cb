#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>
#include <limits>

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

    std::string name;
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

TEST(DataExchange, ShowsValuesAndLimitsTextTowardsTheControls) {
    ExchangeDialog dialog;
    dialog.name = "1234";
    dialog.limit = -7;
    dialog.active = 1;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.ItemText(kNameBox), "1234");
    EXPECT_EQ(dialog.ItemText(kLimitBox), "-7");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(kActiveBox));
    TypeInto(dialog, kNameBox, "5");
    EXPECT_EQ(dialog.ItemText(kNameBox), "1234") << "the typing limit";

    dialog.name = "123456";
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.ItemText(kNameBox), "123456")
        << "a longer value is shown whole, for its check to refuse it";
    MessageBoxRecorder messages;
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Please enter no more than 4 characters."});
}

TEST(DataExchange, TakesOverEveryValueWhenAllChecksPass) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    dialog.SetItemText(kNameBox, "żó🙂");
    dialog.SetItemText(kLimitBox, " \t+255 ");
    dialog.SetItemText(kPeriodBox, "-0");
    dialog.CheckDlgButton(kActiveBox, true);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dialog.name, "żó🙂") << "a character beyond 65535 counts twice towards the limit";
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
    dialog.ShowWindow(true);
    dialog.SetItemText(kNameBox, "ab");
    dialog.SetItemText(kLimitBox, "300");
    dialog.SetItemText(kPeriodBox, "5");
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(dialog.limit, 300);
    EXPECT_EQ(dialog.period, 99);
    EXPECT_EQ(dialog.FocusedItemId(), kLimitBox);
    EXPECT_EQ(CEdit(dialog.GetDlgItem(kLimitBox)).GetSel(), std::make_pair(0, 3));
}

TEST(DataExchange, GivesTheFrameworksMessages) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    for (const char* name : {"abcde", "żółwi", "abc🙂"}) {
        dialog.SetItemText(kNameBox, name);
        EXPECT_FALSE(dialog.UpdateData(true)) << name;
    }
    dialog.SetItemText(kNameBox, "");
    dialog.SetItemText(kLimitBox, "12a");
    EXPECT_FALSE(dialog.UpdateData(true));
    dialog.SetItemText(kLimitBox, "");
    EXPECT_FALSE(dialog.UpdateData(true));
    const std::string tooLong = "Please enter no more than 4 characters.";
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{tooLong, tooLong, tooLong, "Please enter an integer.",
                                        "Please enter an integer."}));
}

TEST(DialogInteger, AcceptsOnlyADecimalNumberBetweenBlanks) {
    int value = 0;
    EXPECT_TRUE(ParseDialogInteger("\t-25 ", value));
    EXPECT_EQ(value, -25);
    EXPECT_TRUE(ParseDialogInteger("007", value));
    EXPECT_EQ(value, 7);
    for (const char* bad : {"", " ", "+", "- 5", "5 5", "0x10", "1e3", "12,5", "٣"}) {
        EXPECT_FALSE(ParseDialogInteger(bad, value)) << bad;
    }
    EXPECT_TRUE(ParseDialogInteger("99999999999999999999", value));
    EXPECT_EQ(value, std::numeric_limits<int>::max()) << "too large numbers fail the range check";
}

TEST(Dialog, TheCloseBoxCancelsWhileOkValidatesFirst) {
    MessageBoxRecorder messages;
    ExchangeDialog dialog;
    dialog.ShowWindow(true);
    EXPECT_EQ(dialog.Caption(), "Próba");
    EXPECT_EQ(dialog.GetDlgItem(4711), nullptr);
    dialog.SetItemText(kLimitBox, "x");
    dialog.SendCommand(IDOK);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "a failed check keeps the dialog open";
    dialog.Close();
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.GetResult(), IDCANCEL);
}

TEST(LogPane, KeepsLineEndsAndAppendsAtTheCaretWithoutUndo) {
    CDialog dialog(IDD_CONSOLE);
    CEdit pane(dialog.GetDlgItem(IDC_LOG));
    dialog.SetItemText(IDC_LOG, "jeden\r\ndwa\r\n");
    EXPECT_EQ(pane.GetSel(), std::make_pair(0, 0)) << "a replaced text is shown from its top";
    EXPECT_EQ(dialog.ItemText(IDC_LOG), "jeden\r\ndwa\r\n");

    pane.SetSel(0, -1);
    pane.ReplaceSel("");
    pane.ReplaceSel("Weryfikacja ...");
    pane.ReplaceSel("OK.\r\n");
    EXPECT_EQ(dialog.ItemText(IDC_LOG), "Weryfikacja ...OK.\r\n");
    EXPECT_FALSE(pane.CanUndo());
}

} // namespace
