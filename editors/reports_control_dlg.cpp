#include "editors/reports_control_dlg.h"

#include "config/image_layout.h"
#include "editors/flag_codec.h"
#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

namespace {

struct FlagBox {
    int controlId;
    std::size_t byteOffset;
    int bit;
};

constexpr std::array<FlagBox, CReportsControlDlg::kBoxCount> kFlagBoxes = {{
    {IDC_REPORT_TEL_1, kReportFlagsOffset, kTelephoneBits[0]},
    {IDC_REPORT_TEL_2, kReportFlagsOffset, kTelephoneBits[1]},
    {IDC_REPORT_TEL_3, kReportFlagsOffset, kTelephoneBits[2]},
    {IDC_CLIP_TEL_1, kClipFlagsOffset, kTelephoneBits[0]},
    {IDC_CLIP_TEL_2, kClipFlagsOffset, kTelephoneBits[1]},
    {IDC_CLIP_TEL_3, kClipFlagsOffset, kTelephoneBits[2]},
    {IDC_SMS_CONTROL_TEL_1, kSmsControlFlagsOffset, kTelephoneBits[0]},
    {IDC_SMS_CONTROL_TEL_2, kSmsControlFlagsOffset, kTelephoneBits[1]},
    {IDC_SMS_CONTROL_TEL_3, kSmsControlFlagsOffset, kTelephoneBits[2]},
    {IDC_CLIP_ANY, kClipFlagsOffset, kAnyNumberBit},
    {IDC_SMS_CONTROL_ANY, kSmsControlFlagsOffset, kAnyNumberBit},
    {IDC_REPORT_POWER_SOURCE, kReportFlagsOffset, kPowerSourceBit},
    {IDC_REPORT_OUTPUTS, kReportFlagsOffset, kOutputsBit},
    {IDC_PULSE_O2_AFTER_CLIP, kClipFlagsOffset, kPulseO2Bit},
    {IDC_IGNORE_INPUTS_AT_START, kClipFlagsOffset, kIgnoreInputsBit},
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
        m_bChecked[i] = IsBitSet(image[kFlagBoxes[i].byteOffset], kFlagBoxes[i].bit);
    }
    UpdateData(false);
}

// The report and CLIP bytes are this dialog's alone and are rebuilt whole; of the shared SMS
// control byte only the bits of its boxes and the unused bit 3 are rewritten.
void CReportsControlDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    ConfigImage& image = *m_pImage;
    image[kReportFlagsOffset] = FlagsOf(kReportFlagsOffset);
    image[kClipFlagsOffset] = FlagsOf(kClipFlagsOffset);
    image[kSmsControlFlagsOffset] =
        (image[kSmsControlFlagsOffset] & kSmsControlForeignBits) | FlagsOf(kSmsControlFlagsOffset);
    EndDialog(IDOK);
}

std::uint8_t CReportsControlDlg::FlagsOf(std::size_t byteOffset) const {
    std::uint8_t flags = 0;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (kFlagBoxes[i].byteOffset == byteOffset && m_bChecked[i]) {
            flags = WithBit(flags, kFlagBoxes[i].bit, true);
        }
    }
    return flags;
}
