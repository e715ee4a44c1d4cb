#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

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
