#include "editors/sms_texts_dlg.h"

#include "config/image_layout.h"
#include "editors/cp1250_codec.h"
#include "editors/sms_text_codec.h"
#include "editors/utf8_codec.h"
#include "editors/variable_codes_dlg.h"
#include "platform/data_exchange.h"
#include "platform/message_box.h"
#include "resources/resource_ids.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr std::array<int, CSmsTextsDlg::kTextCount> kTextControls = {
    IDC_TEXT_LINE_1, IDC_TEXT_LINE_2,  IDC_TEXT_LINE_3, IDC_TEXT_LINE_4,
    IDC_TEXT_LINE_5, IDC_TEXT_LINE_6,  IDC_TEXT_LINE_7, IDC_TEXT_LINE_8,
    IDC_TEXT_LINE_9, IDC_TEXT_LINE_10, IDC_TEXT_REPORT,
};

using SlotBytes = std::array<std::uint8_t, kSmsTextSlotSize>;

SmsTextSlot SlotOf(ConfigImage& image, std::size_t text) {
    return FieldBytes<kSmsTextSlotSize>(image, SmsTextOffset(text));
}

std::string FromStoredForm(ConstSmsTextSlot slot) {
    return Utf8FromUtf32(Cp1250ToUnicode(DecodeSmsText(slot)));
}

// A character that code page 1250 lacks cannot be sent either.
SmsTextEncoding ToStoredForm(const std::string& text, SmsTextSlot slot) {
    const std::optional<std::string> bytes = UnicodeToCp1250(Utf32FromUtf8(text));
    return bytes ? EncodeSmsText(*bytes, slot) : SmsTextEncoding::ForbiddenCharacter;
}

std::string FaultMessage(std::size_t text, SmsTextEncoding fault) {
    if (text == kReportText) {
        return fault == SmsTextEncoding::TooLong ? "Treść raportu za długa.\nMax. 40 znaków !"
                                                 : "Treść raportu zawiera niedozwolony znak.";
    }
    const std::string line = "Powiadomienie linii " + std::to_string(text + 1);
    return line + (fault == SmsTextEncoding::TooLong ? " za długie.\nMax. 40 znaków !"
                                                     : " zawiera niedozwolony znak.");
}

} // namespace

CSmsTextsDlg::CSmsTextsDlg(CDialog* parent) : CDialog(IDD_SMS_TEXTS, parent) {
    AddCommandHandler(IDC_VARIABLE_CODES, [this] { OnVariableCodes(); });
}

void CSmsTextsDlg::DoDataExchange(CDataExchange& dx) {
    for (std::size_t text = 0; text < kTextCount; ++text) {
        DDX_Text(dx, kTextControls[text], m_strTexts[text]);
    }
}

void CSmsTextsDlg::OnShowWindow() {
    for (std::size_t text = 0; text < kTextCount; ++text) {
        m_strTexts[text] = FromStoredForm(SlotOf(*m_pImage, text));
    }
    UpdateData(false);
}

// Every text is converted into a copy of its slot first, so a refused text leaves the whole
// image as it was; the copies keep the bytes after a shorter text's terminator.
void CSmsTextsDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    std::array<SlotBytes, kTextCount> encoded;
    for (std::size_t text = 0; text < kTextCount; ++text) {
        std::ranges::copy(SlotOf(*m_pImage, text), encoded[text].begin());
        const SmsTextEncoding result = ToStoredForm(m_strTexts[text], encoded[text]);
        if (result != SmsTextEncoding::Stored) {
            ShowMessageBox(FaultMessage(text, result));
            GotoDlgCtrl(kTextControls[text]);
            return;
        }
    }
    for (std::size_t text = 0; text < kTextCount; ++text) {
        std::ranges::copy(encoded[text], SlotOf(*m_pImage, text).begin());
    }
    EndDialog(IDOK);
}

void CSmsTextsDlg::OnVariableCodes() {
    CVariableCodesDlg codes(this);
    codes.DoModal();
}
