#include "config/image_layout.h"
#include "editors/cp1250_codec.h"
#include "editors/sms_text_codec.h"
#include "tools/grt8/report_fields.h"
#include "tools/grt8/report_sections.h"

namespace {

std::string EditForm(const ConfigImage& image, std::size_t text) {
    return Cp1250ToUtf8(DecodeSmsText(FieldBytes<kSmsTextSlotSize>(image, SmsTextOffset(text))));
}

} // namespace

ReportSection TextSection(const ConfigImage& image) {
    ReportSection section{"Teksty powiadomień", {}};
    for (std::size_t line = 1; line <= kLineTextCount; ++line) {
        const std::string number = std::to_string(line);
        section.fields.push_back(
            TextField("text.line" + number, "Linia " + number, EditForm(image, line - 1)));
    }
    section.fields.push_back(TextField("text.report", "Raport", EditForm(image, kReportText)));
    return section;
}
