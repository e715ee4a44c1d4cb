#include "editors/variable_codes_dlg.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(VariableCodesDialog, ListsTheCodesInOrderOnTwentyTwoLinesOnce) {
    CVariableCodesDlg dialog;
    dialog.ShowWindow(true);
    dialog.ShowWindow(false);
    dialog.ShowWindow(true);
    const std::string text = dialog.ItemText(IDC_CODES_LIST);
    const std::vector<std::string> lines = Lines(text);

    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "Kody zmiennych w tekstach SMS:");
    EXPECT_EQ(lines[1], std::string(37, '='));
    EXPECT_EQ(lines[6], "$174 - temperatura T1 [°C]");
    EXPECT_EQ(lines[8], "$177 - poziom odbieranego sygnalu GSM (0...31) ");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[22], "");
    std::size_t previous = 0;
    for (const char* code :
         {"$170", "$171", "$172", "$173", "$174", "$175", "$177", "$178", "$179", "$180", "$181",
          "$182", "$183", "$184", "$185", "$191", "$201", "$211"}) {
        EXPECT_EQ(text.find(code), text.rfind(code)) << code;
        EXPECT_GT(text.find(code), previous) << code;
        previous = text.find(code);
    }
}

} // namespace
