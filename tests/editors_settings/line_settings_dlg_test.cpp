#include "editors/line_settings_dlg.h"

#include "config/image_layout.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

class LineSettingsDlgTest : public ::testing::Test {
protected:
    LineSettingsDlgTest() {
        for (std::size_t at = 0; at < image.size(); ++at) {
            image[at] = static_cast<std::uint8_t>(at * 53 + 7);
        }
        dialog.SetImage(&image);
    }
    bool Ticked(int line, int column) { return dialog.IsDlgButtonChecked(LineBoxId(line, column)); }
    std::uint8_t& LineByte(int line) {
        return image[kLineSettingsOffset + static_cast<std::size_t>(line - 1)];
    }

    ConfigImage image;
    CLineSettingsDlg dialog;
};

TEST_F(LineSettingsDlgTest, TicksTheFiveUsedBitsAndWritesBackOnlyThem) {
    LineByte(1) = 0x37;
    LineByte(2) = 0xFF;
    LineByte(3) = 0xC8;
    const ConfigImage before = image;
    dialog.ShowWindow(true);
    for (const int line : {1, 2}) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_TRUE(Ticked(line, column)) << line << "/" << column;
        }
    }
    for (int column = 0; column < 5; ++column) {
        EXPECT_FALSE(Ticked(3, column)) << column;
    }
    dialog.SendCommand(IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    for (std::size_t at = 0; at < image.size(); ++at) {
        const bool lineByte = at >= kLineSettingsOffset && at < kLineSettingsOffset + 10;
        EXPECT_EQ(image[at], lineByte ? (before[at] & 0x37) : before[at]) << at;
    }
}

TEST_F(LineSettingsDlgTest, EachBoxSetsItsOwnBitOfItsOwnLine) {
    const std::uint8_t columnMasks[] = {0x01, 0x02, 0x04, 0x10, 0x20};
    for (int line = 1; line <= 10; ++line) {
        for (int column = 0; column < 5; ++column) {
            CLineSettingsDlg edited;
            edited.SetImage(&image);
            edited.ShowWindow(true);
            for (int other = 1; other <= 10; ++other) {
                for (int c = 0; c < 5; ++c) {
                    edited.CheckDlgButton(LineBoxId(other, c), other == line && c == column);
                }
            }
            edited.SendCommand(IDOK);
            for (int other = 1; other <= 10; ++other) {
                EXPECT_EQ(LineByte(other), other == line ? columnMasks[column] : 0)
                    << "box " << line << "/" << column << ", line " << other;
            }
        }
    }
}

} // namespace
