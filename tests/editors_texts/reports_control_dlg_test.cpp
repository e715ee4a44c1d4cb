#include "config/image_layout.h"
#include "editors/reports_control_dlg.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BoxBit {
    int id;
    std::size_t offset;
    std::uint8_t bit;
};

const BoxBit kBoxBits[] = {
    {IDC_REPORT_TEL_1, kReportFlagsOffset, 0x01},
    {IDC_REPORT_TEL_2, kReportFlagsOffset, 0x02},
    {IDC_REPORT_TEL_3, kReportFlagsOffset, 0x04},
    {IDC_REPORT_POWER_SOURCE, kReportFlagsOffset, 0x10},
    {IDC_REPORT_OUTPUTS, kReportFlagsOffset, 0x20},
    {IDC_CLIP_TEL_1, kClipFlagsOffset, 0x01},
    {IDC_CLIP_TEL_2, kClipFlagsOffset, 0x02},
    {IDC_CLIP_TEL_3, kClipFlagsOffset, 0x04},
    {IDC_CLIP_ANY, kClipFlagsOffset, 0x10},
    {IDC_PULSE_O2_AFTER_CLIP, kClipFlagsOffset, 0x20},
    {IDC_IGNORE_INPUTS_AT_START, kClipFlagsOffset, 0x40},
    {IDC_SMS_CONTROL_TEL_1, kSmsControlFlagsOffset, 0x01},
    {IDC_SMS_CONTROL_TEL_2, kSmsControlFlagsOffset, 0x02},
    {IDC_SMS_CONTROL_TEL_3, kSmsControlFlagsOffset, 0x04},
    {IDC_SMS_CONTROL_ANY, kSmsControlFlagsOffset, 0x10},
};

ConfigImage PatternImage() {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + 5);
    }
    return image;
}

class ReportsControlDialog : public ::testing::Test {
protected:
    void Open(std::uint8_t report, std::uint8_t clip, std::uint8_t smsControl) {
        image[kReportFlagsOffset] = report;
        image[kClipFlagsOffset] = clip;
        image[kSmsControlFlagsOffset] = smsControl;
        original = image;
        dialog.SetImage(&image);
        dialog.ShowWindow(true);
    }

    void CheckAll(bool checked) {
        for (const BoxBit& box : kBoxBits) {
            dialog.CheckDlgButton(box.id, checked);
        }
    }

    // The image as it was, with the three flag bytes replaced.
    ConfigImage OriginalWith(std::uint8_t report, std::uint8_t clip, std::uint8_t smsControl) {
        ConfigImage expected = original;
        expected[kReportFlagsOffset] = report;
        expected[kClipFlagsOffset] = clip;
        expected[kSmsControlFlagsOffset] = smsControl;
        return expected;
    }

    ConfigImage image = PatternImage();
    ConfigImage original;
    CReportsControlDlg dialog;
};

TEST_F(ReportsControlDialog, ShowsEachBitInItsBox) {
    Open(0x3F, 0x17, 0x00);
    for (const BoxBit& box : kBoxBits) {
        const bool expected = (box.offset == kReportFlagsOffset) ||
                              (box.offset == kClipFlagsOffset && box.bit <= 0x10);
        EXPECT_EQ(dialog.IsDlgButtonChecked(box.id), expected) << box.id;
    }
}

TEST_F(ReportsControlDialog, AllBoxesCheckedRebuildTwoBytesAndKeepTheTopOfTheShared) {
    Open(0x3F, 0x17, 0xE8);
    CheckAll(true);
    dialog.SendCommand(IDOK);
    EXPECT_EQ(dialog.GetResult(), IDOK);
    EXPECT_EQ(image, OriginalWith(0x37, 0x77, 0xE0 + 0x17));
}

TEST_F(ReportsControlDialog, OkUnchangedKeepsTheSettingsAndClearsBitsWithoutBoxes) {
    Open(0xCA, 0x8D, 0x6B);
    dialog.SendCommand(IDOK);
    EXPECT_EQ(image, OriginalWith(0x02, 0x05, 0x63));
}

TEST_F(ReportsControlDialog, TabbingGoesThroughTheMatrixRowByRowThenButtonsThenOptions) {
    Open(0x00, 0x00, 0x00);
    const std::vector<int> expected = {
        IDC_REPORT_TEL_1,
        IDC_REPORT_TEL_2,
        IDC_REPORT_TEL_3,
        IDC_CLIP_TEL_1,
        IDC_CLIP_TEL_2,
        IDC_CLIP_TEL_3,
        IDC_CLIP_ANY,
        IDC_SMS_CONTROL_TEL_1,
        IDC_SMS_CONTROL_TEL_2,
        IDC_SMS_CONTROL_TEL_3,
        IDC_SMS_CONTROL_ANY,
        IDOK,
        IDCANCEL,
        IDC_REPORT_POWER_SOURCE,
        IDC_REPORT_OUTPUTS,
        IDC_PULSE_O2_AFTER_CLIP,
        IDC_IGNORE_INPUTS_AT_START,
    };
    std::vector<int> chain = {IDC_REPORT_TEL_1};
    for (int id = dialog.GetNextDlgTabItem(IDC_REPORT_TEL_1);
         id != IDC_REPORT_TEL_1 && chain.size() <= expected.size();
         id = dialog.GetNextDlgTabItem(id)) {
        chain.push_back(id);
    }
    EXPECT_EQ(chain, expected);
}

} // namespace
