#include "tools/grt8/json_report.h"

namespace {

using Json = nlohmann::ordered_json;

Json JsonField(const ReportField& field) {
    Json json = {{"key", field.key}, {"label", field.label}, {"value", field.json}};
    if (field.stored) {
        json["stored"] = *field.stored;
    }
    return json;
}

Json JsonSection(const ReportSection& section) {
    Json fields = Json::array();
    for (const ReportField& field : section.fields) {
        fields.push_back(JsonField(field));
    }
    return {{"title", section.title}, {"fields", fields}};
}

} // namespace

std::string FormatJsonReport(const std::string& fileName, const ConfigFileContents& file,
                             const ConfigurationReport& report) {
    Json sections = Json::array();
    for (const ReportSection& section : report) {
        sections.push_back(JsonSection(section));
    }
    const Json json = {{"file", fileName},
                       {"bytesRead", file.bytesRead},
                       {"longerThanImage", file.longerThanImage},
                       {"checkWord",
                        {{"matches", file.CheckWordMatches()},
                         {"stored", file.storedCheckWord},
                         {"computed", file.computedCheckWord}}},
                       {"sections", sections}};
    // A file name or a text that is not UTF-8 gets U+FFFD, so the output stays valid JSON.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
