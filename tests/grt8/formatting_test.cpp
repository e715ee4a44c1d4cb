#include "sample_configuration.h"
#include "tools/grt8/json_report.h"
#include "tools/grt8/text_report.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

namespace {

ConfigFileContents FileHolding(const ConfigImage& image) {
    ConfigFileContents file;
    file.image = image;
    file.bytesRead = kConfigImageSize;
    file.storedCheckWord = 0x1A2B;
    file.computedCheckWord = 0x1A2B;
    return file;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(TextReportTest, HeaderNamesTheFileAndSaysWhetherTheCheckWordMatches) {
    ConfigFileContents file = FileHolding(SampleConfiguration());
    EXPECT_EQ(FormatFileHeader("obiekt.gr8", file),
              "Plik: obiekt.gr8\nSłowo kontrolne: zgodne (0x1A2B)\n");

    file.computedCheckWord = 0x00F0;
    EXPECT_EQ(FormatFileHeader("obiekt.gr8", file),
              "Plik: obiekt.gr8\nSłowo kontrolne: NIEZGODNE (w pliku 0x1A2B, obliczone "
              "0x00F0); konsola nie wczyta tego pliku\n");
}

TEST(TextReportTest, HeaderTellsAboutAFileOfTheWrongLength) {
    ConfigFileContents file = FileHolding(ConfigImage{});
    const std::pair<std::size_t, std::string> lengths[] = {
        {0, "0 bajtów"},   {1, "1 bajt"},    {3, "3 bajty"},       {5, "5 bajtów"},
        {12, "12 bajtów"}, {22, "22 bajty"}, {1000, "1000 bajtów"}};
    for (const auto& [length, words] : lengths) {
        file.bytesRead = length;
        EXPECT_TRUE(Contains(FormatFileHeader("f", file),
                             "\nPlik ma tylko " + words + ": brakujące bajty przyjęto jako 0xFF\n"))
            << length;
    }
    file.bytesRead = kConfigImageSize;
    file.longerThanImage = true;
    EXPECT_TRUE(Contains(FormatFileHeader("f", file),
                         "\nPlik dłuższy niż 1024 bajty: dalsze bajty pominięto\n"));
}

TEST(TextReportTest, ControlCharactersInTheFileNameAreShownNotSent) {
    const std::string header = FormatFileHeader("a\x1b[2Jb.gr8", FileHolding(ConfigImage{}));
    EXPECT_TRUE(Contains(header, "Plik: a\\x1B[2Jb.gr8\n"));
}

TEST(TextReportTest, SectionsThenOneSettingALine) {
    const std::string text = FormatReport(DescribeConfiguration(SampleConfiguration()));
    EXPECT_EQ(text.rfind("\nUstawienia ogólne\n  SMSC: +48602951111\n  Numer 1: *123\n", 0), 0u);
    EXPECT_TRUE(Contains(text, "\n  Kod sieci: 26003\n"));
    EXPECT_TRUE(Contains(text, "\n\nUstawienia linii meldunkowych\n  Linia 1, telefony: TEL1, "
                               "TEL3\n  Linia 1, Pobudzenie: NO\n"));
    EXPECT_TRUE(Contains(text, "\n  Linia 3: \"Drzwi\"\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 * 2 + 22 + 20 + 7 + 11);
}

// The report as a script reads it back.
nlohmann::json ParsedJsonReport(const std::string& fileName, const ConfigFileContents& file) {
    return nlohmann::json::parse(
        FormatJsonReport(fileName, file, DescribeConfiguration(file.image)));
}

nlohmann::json JsonFieldOf(const nlohmann::json& report, const std::string& key) {
    for (const nlohmann::json& section : report["sections"]) {
        for (const nlohmann::json& field : section["fields"]) {
            if (field["key"] == key) {
                return field;
            }
        }
    }
    return nullptr;
}

TEST(JsonReportTest, EverySettingWithKeyLabelAndTypedValue) {
    ConfigImage image = SampleConfiguration();
    image[kThermostat1LowOffset] = 121;
    const nlohmann::json json = ParsedJsonReport("obiekt.gr8", FileHolding(image));
    EXPECT_EQ(json["file"], "obiekt.gr8");
    EXPECT_EQ(json["bytesRead"], 1024);
    EXPECT_EQ(json["longerThanImage"], false);
    EXPECT_EQ(json["checkWord"].dump(), R"({"computed":6699,"matches":true,"stored":6699})");
    EXPECT_EQ(JsonFieldOf(json, "pin").dump(),
              R"({"key":"pin","label":"Numer PIN","value":"1234"})");
    EXPECT_EQ(JsonFieldOf(json, "thermostat1.low").dump(),
              R"({"key":"thermostat1.low","label":"Termostat T1/O5, TL","stored":121,"value":5})");
    EXPECT_EQ(JsonFieldOf(json, "smsControl.phones")["value"].dump(), R"(["TEL1","DOWOLNY"])");
    EXPECT_EQ(json["sections"][3]["title"], "Teksty powiadomień");
}

TEST(JsonReportTest, StaysValidForAnyFileNameAndText) {
    ConfigImage image = SampleConfiguration();
    PutText(image, 0, "\x01\"\\\x7f");
    ConfigFileContents file = FileHolding(image);
    file.computedCheckWord = 1;
    const nlohmann::json json = ParsedJsonReport("z\xff\xc3(\"\n.gr8", file);
    EXPECT_EQ(json["file"], "z\uFFFD\uFFFD(\"\n.gr8");
    EXPECT_EQ(JsonFieldOf(json, "text.line1")["value"], "\x01\"\\\x7f");
    EXPECT_EQ(json["checkWord"]["matches"], false);
}

} // namespace
