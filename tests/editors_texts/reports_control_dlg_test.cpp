#include "editors/reports_control_dlg.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::size_t kReportFlags = 500;
constexpr std::size_t kClipFlags = 503;
constexpr std::size_t kSmsControlFlags = 506;

struct BoxBit {
    int id;
    std::size_t offset;
    std::uint8_t bit;
};

const BoxBit kBoxBits[] = {
    {IDC_REPORT_TEL_1, kReportFlags, 0x01},
    {IDC_REPORT_TEL_2, kReportFlags, 0x02},
    {IDC_REPORT_TEL_3, kReportFlags, 0x04},
    {IDC_REPORT_POWER_SOURCE, kReportFlags, 0x10},
    {IDC_REPORT_OUTPUTS, kReportFlags, 0x20},
    {IDC_CLIP_TEL_1, kClipFlags, 0x01},
    {IDC_CLIP_TEL_2, kClipFlags, 0x02},
    {IDC_CLIP_TEL_3, kClipFlags, 0x04},
    {IDC_CLIP_ANY, kClipFlags, 0x10},
    {IDC_PULSE_O2_AFTER_CLIP, kClipFlags, 0x20},
    {IDC_IGNORE_INPUTS_AT_START, kClipFlags, 0x40},
    {IDC_SMS_CONTROL_TEL_1, kSmsControlFlags, 0x01},
    {IDC_SMS_CONTROL_TEL_2, kSmsControlFlags, 0x02},
    {IDC_SMS_CONTROL_TEL_3, kSmsControlFlags, 0x04},
    {IDC_SMS_CONTROL_ANY, kSmsControlFlags, 0x10},
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
        image[kReportFlags] = report;
        image[kClipFlags] = clip;
        image[kSmsControlFlags] = smsControl;
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
        expected[kReportFlags] = report;
        expected[kClipFlags] = clip;
        expected[kSmsControlFlags] = smsControl;
        return expected;
    }

    ConfigImage image = PatternImage();
    ConfigImage original;
    CReportsControlDlg dialog;
};

TEST_F(ReportsControlDialog, ShowsEachBitInItsBox) {
    Open(0x3F, 0x17, 0x00);
    for (const BoxBit& box : kBoxBits) {
        const bool expected =
            (box.offset == kReportFlags) || (box.offset == kClipFlags && box.bit <= 0x10);
        EXPECT_EQ(dialog.IsDlgButtonChecked(box.id), expected) << box.id;
    }
}

TEST_F(ReportsControlDialog, EachBoxWritesItsOwnBit) {
    Open(0x00, 0x00, 0x00);
    for (const BoxBit& box : kBoxBits) {
        CheckAll(false);
        dialog.CheckDlgButton(box.id, true);
        dialog.SendCommand(IDOK);
        const std::uint8_t report = box.offset == kReportFlags ? box.bit : 0;
        const std::uint8_t clip = box.offset == kClipFlags ? box.bit : 0;
        const std::uint8_t sms = box.offset == kSmsControlFlags ? box.bit : 0;
        EXPECT_EQ(image, OriginalWith(report, clip, sms)) << box.id;
        dialog.ShowWindow(true);
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
