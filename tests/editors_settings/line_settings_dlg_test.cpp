#include "editors/line_settings_dlg.h"

#include "config/image_layout.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

// One box's bit set at a time (then all five), among the unused bits that no box shows: each box
// shows its own bit of its own line, and OK writes back that bit alone and nothing outside the ten
// bytes.
TEST(LineSettingsDlg, EachBoxShowsAndWritesItsOwnBitOfItsOwnLine) {
    // The sixth pass sets all five.
    const std::uint8_t columnMasks[] = {0x01, 0x02, 0x04, 0x10, 0x20, 0x37};
    ConfigImage image;
    for (std::size_t at = 0; at < image.size(); ++at) {
        image[at] = static_cast<std::uint8_t>(at * 53 + 7);
    }
    for (int line = 1; line <= 10; ++line) {
        for (int column = 0; column < 6; ++column) {
            ConfigImage expected = image;
            for (int other = 1; other <= 10; ++other) {
                const std::size_t at = kLineSettingsOffset + static_cast<std::size_t>(other - 1);
                const std::uint8_t own = other == line ? columnMasks[column] : 0;
                image[at] = own | 0xC8;
                expected[at] = own;
            }
            CLineSettingsDlg dialog;
            dialog.SetImage(&image);
            dialog.ShowWindow(true);
            for (int other = 1; other <= 10; ++other) {
                for (int c = 0; c < 5; ++c) {
                    EXPECT_EQ(dialog.IsDlgButtonChecked(LineBoxId(other, c)),
                              other == line && (c == column || column == 5))
                        << "box " << other << "/" << c << " with " << line << "/" << column;
                }
            }
            dialog.SendCommand(IDOK);
            EXPECT_FALSE(dialog.IsWindowVisible());
            EXPECT_EQ(image, expected) << line << "/" << column;
        }
    }
}

} // namespace
