#include "tools/grt8/json_report.h"

#include "tools/grt8/escaping.h"

namespace {

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string JsonField(const ReportField& field) {
    std::string json = "{\"key\": " + JsonString(field.key) +
                       ", \"label\": " + JsonString(field.label) + ", \"value\": " + field.json;
    if (field.stored) {
        json += ", \"stored\": " + std::to_string(*field.stored);
    }
    return json + "}";
}

std::string JsonSection(const ReportSection& section) {
    std::string json =
        "    {\n      \"title\": " + JsonString(section.title) + ",\n      \"fields\": [\n";
    for (const ReportField& field : section.fields) {
        json += "        " + JsonField(field) + (&field == &section.fields.back() ? "\n" : ",\n");
    }
    return json + "      ]\n    }";
}

std::string JsonCheckWord(const ConfigFileContents& file) {
    return "{\"matches\": " + JsonBool(file.CheckWordMatches()) +
           ", \"stored\": " + std::to_string(file.storedCheckWord) +
           ", \"computed\": " + std::to_string(file.computedCheckWord) + "}";
}

} // namespace

std::string FormatJsonReport(const std::string& fileName, const ConfigFileContents& file,
                             const ConfigurationReport& report) {
    std::string json = "{\n  \"file\": " + JsonString(fileName) +
                       ",\n  \"bytesRead\": " + std::to_string(file.bytesRead) +
                       ",\n  \"longerThanImage\": " + JsonBool(file.longerThanImage) +
                       ",\n  \"checkWord\": " + JsonCheckWord(file) + ",\n  \"sections\": [\n";
    for (const ReportSection& section : report) {
        json += JsonSection(section) + (&section == &report.back() ? "\n" : ",\n");
    }
    return json + "  ]\n}\n";
}
