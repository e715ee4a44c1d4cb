#include "editors/cp1250_codec.h"
#include "editors/sms_text_codec.h"
#include "tools/grt8/report_fields.h"
#include "tools/grt8/report_sections.h"

namespace {

constexpr std::size_t kFirstSlotOffset = 50;
constexpr std::size_t kLineTextCount = 10;
constexpr std::size_t kReportSlotOffset = kFirstSlotOffset + kLineTextCount * kSmsTextSlotSize;

std::string EditForm(const ConfigImage& image, std::size_t offset) {
    const ConstSmsTextSlot slot(image.data() + offset, kSmsTextSlotSize);
    return Cp1250ToUtf8(DecodeSmsText(slot));
}

} // namespace

ReportSection TextSection(const ConfigImage& image) {
    ReportSection section{"Teksty powiadomień", {}};
    for (std::size_t line = 1; line <= kLineTextCount; ++line) {
        const std::string number = std::to_string(line);
        section.fields.push_back(
            TextField("text.line" + number, "Linia " + number,
                      EditForm(image, kFirstSlotOffset + (line - 1) * kSmsTextSlotSize)));
    }
    section.fields.push_back(
        TextField("text.report", "Raport", EditForm(image, kReportSlotOffset)));
    return section;
}
