#include "editors/reports_control_dlg.h"

#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

namespace {

constexpr std::size_t kReportFlags = 500;
constexpr std::size_t kClipFlags = 503;
// Shared with the general settings, which own bit 5; bits 6 and 7 belong to nobody.
constexpr std::size_t kSmsControlFlags = 506;
constexpr std::uint8_t kSmsControlBitsKept = 0xE0;

struct FlagBox {
    int controlId;
    std::size_t byteOffset;
    std::uint8_t bit;
};

constexpr std::array<FlagBox, CReportsControlDlg::kBoxCount> kFlagBoxes = {{
    {IDC_REPORT_TEL_1, kReportFlags, 0x01},
    {IDC_REPORT_TEL_2, kReportFlags, 0x02},
    {IDC_REPORT_TEL_3, kReportFlags, 0x04},
    {IDC_CLIP_TEL_1, kClipFlags, 0x01},
    {IDC_CLIP_TEL_2, kClipFlags, 0x02},
    {IDC_CLIP_TEL_3, kClipFlags, 0x04},
    {IDC_SMS_CONTROL_TEL_1, kSmsControlFlags, 0x01},
    {IDC_SMS_CONTROL_TEL_2, kSmsControlFlags, 0x02},
    {IDC_SMS_CONTROL_TEL_3, kSmsControlFlags, 0x04},
    {IDC_CLIP_ANY, kClipFlags, 0x10},
    {IDC_SMS_CONTROL_ANY, kSmsControlFlags, 0x10},
    {IDC_REPORT_POWER_SOURCE, kReportFlags, 0x10},
    {IDC_REPORT_OUTPUTS, kReportFlags, 0x20},
    {IDC_PULSE_O2_AFTER_CLIP, kClipFlags, 0x20},
    {IDC_IGNORE_INPUTS_AT_START, kClipFlags, 0x40},
}};

} // namespace

CReportsControlDlg::CReportsControlDlg(CDialog* parent) : CDialog(IDD_REPORTS_CONTROL, parent) {}

void CReportsControlDlg::DoDataExchange(CDataExchange& dx) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        DDX_Check(dx, kFlagBoxes[i].controlId, m_bChecked[i]);
    }
}

void CReportsControlDlg::OnShowWindow() {
    const ConfigImage& image = *m_pImage;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        m_bChecked[i] = (image[kFlagBoxes[i].byteOffset] & kFlagBoxes[i].bit) != 0;
    }
    UpdateData(false);
}

// Bytes 500 and 503 are this dialog's alone and are rebuilt whole; of byte 506 only the bits of
// its boxes and the unused bit 3 are rewritten.
void CReportsControlDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    ConfigImage& image = *m_pImage;
    image[kReportFlags] = FlagsOf(kReportFlags);
    image[kClipFlags] = FlagsOf(kClipFlags);
    image[kSmsControlFlags] =
        (image[kSmsControlFlags] & kSmsControlBitsKept) | FlagsOf(kSmsControlFlags);
    EndDialog(IDOK);
}

std::uint8_t CReportsControlDlg::FlagsOf(std::size_t byteOffset) const {
    std::uint8_t flags = 0;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (kFlagBoxes[i].byteOffset == byteOffset && m_bChecked[i]) {
            flags |= kFlagBoxes[i].bit;
        }
    }
    return flags;
}
