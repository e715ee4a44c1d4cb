#include "tools/grt8/report_fields.h"

#include "tools/grt8/escaping.h"

#include <utility>

namespace {

// U+FFFD, for a character the report cannot print.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

ReportField Field(std::string key, std::string label, std::string shown,
                  nlohmann::ordered_json json) {
    return {std::move(key), std::move(label), std::move(shown), std::move(json), std::nullopt};
}

std::string WithUnit(std::int64_t value, std::string_view unit) {
    std::string shown = std::to_string(value);
    if (!unit.empty()) {
        shown += ' ';
        shown += unit;
    }
    return shown;
}

} // namespace

ReportField SwitchField(std::string key, std::string label, bool on, SwitchWords words) {
    return Field(std::move(key), std::move(label), std::string(on ? words.on : words.off), on);
}

ReportField NumberField(std::string key, std::string label, std::int64_t value,
                        std::string_view unit) {
    return Field(std::move(key), std::move(label), WithUnit(value, unit), value);
}

ReportField ShownNumberField(std::string key, std::string label, std::int64_t shown,
                             std::int64_t stored, std::string_view unit) {
    ReportField field = NumberField(std::move(key), std::move(label), shown, unit);
    if (stored != shown) {
        field.shown += " [zapisane: " + std::to_string(stored) + "]";
        field.stored = stored;
    }
    return field;
}

ReportField WordField(std::string key, std::string label, std::string_view utf8) {
    const std::string shown = utf8.empty() ? std::string(kNothing) : std::string(utf8);
    return Field(std::move(key), std::move(label), WithoutControlCharacters(shown),
                 std::string(utf8));
}

ReportField TextField(std::string key, std::string label, std::string_view utf8) {
    return Field(std::move(key), std::move(label), QuotedText(utf8), std::string(utf8));
}

ReportField ListField(std::string key, std::string label, const std::vector<std::string>& items) {
    std::string shown;
    for (const std::string& item : items) {
        shown += (&item == &items.front() ? "" : ", ") + item;
    }
    return Field(std::move(key), std::move(label), items.empty() ? std::string(kNothing) : shown,
                 items);
}

std::string Utf8Of(std::u32string_view text) {
    std::string utf8;
    for (const char32_t character : text) {
        utf8 += character < 0x80 ? std::string(1, static_cast<char>(character)) : kReplacement;
    }
    return utf8;
}
