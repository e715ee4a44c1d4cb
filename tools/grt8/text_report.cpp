#include "tools/grt8/text_report.h"

#include "tools/grt8/escaping.h"

namespace {

std::string CheckWordLine(const ConfigFileContents& file) {
    if (file.CheckWordMatches()) {
        return "Słowo kontrolne: zgodne (" + CheckWordText(file.storedCheckWord) + ")\n";
    }
    return "Słowo kontrolne: NIEZGODNE (w pliku " + CheckWordText(file.storedCheckWord) +
           ", obliczone " + CheckWordText(file.computedCheckWord) +
           "); konsola nie wczyta tego pliku\n";
}

// "1 bajt", "2 bajty", "5 bajtów", "22 bajty", "1024 bajty".
std::string ByteCount(std::size_t count) {
    const std::size_t units = count % 10;
    const std::size_t tens = count % 100 / 10;
    const char* word = count == 1                              ? "bajt"
                       : units >= 2 && units <= 4 && tens != 1 ? "bajty"
                                                               : "bajtów";
    return std::to_string(count) + " " + word;
}

std::string LengthLine(const ConfigFileContents& file) {
    if (file.longerThanImage) {
        return "Plik dłuższy niż " + ByteCount(kConfigImageSize) + ": dalsze bajty pominięto\n";
    }
    if (file.bytesRead < kConfigImageSize) {
        return "Plik ma tylko " + ByteCount(file.bytesRead) +
               ": brakujące bajty przyjęto jako 0xFF\n";
    }
    return "";
}

} // namespace

std::string FormatFileHeader(const std::string& fileName, const ConfigFileContents& file) {
    return "Plik: " + WithoutControlCharacters(fileName) + "\n" + LengthLine(file) +
           CheckWordLine(file);
}

std::string FormatReport(const ConfigurationReport& report) {
    std::string text;
    for (const ReportSection& section : report) {
        text += "\n" + section.title + "\n";
        for (const ReportField& field : section.fields) {
            text += "  " + field.label + ": " + field.shown + "\n";
        }
    }
    return text;
}
