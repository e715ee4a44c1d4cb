#include "resources/templates/templates.h"
#include "sample_configuration.h"
#include "tools/grt8/json_report.h"
#include "tools/grt8/report.h"
#include "tools/grt8/text_report.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string_view>

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

ReportField FieldOf(const ConfigImage& image, std::string_view key) {
    for (const ReportSection& section : DescribeConfiguration(image)) {
        for (const ReportField& field : section.fields) {
            if (field.key == key) {
                return field;
            }
        }
    }
    ADD_FAILURE() << "no field " << key;
    return {};
}

// `grt8 show` of the sample: every setting under its editor, in the editor's words and order.
const char kSampleShown[] = R"(Plik: obiekt.gr8
Słowo kontrolne: zgodne (0x1A2B)

Ustawienia ogólne
  SMSC: +48602951111
  Numer 1: *123
  Numer 2: 600100200
  Numer 3: (brak)
  Numer PIN: 1234
  Kod sieci: 26003
  Ograniczenie SMS: aktywne
  Ograniczenie SMS, max.: 10 SMS między raportami
  Raport okresowy: aktywny
  Raport okresowy, okres: 1440 minut
  Termostat T1/O5: aktywny
  Termostat T1/O5, TL: -25 °C
  Termostat T1/O5, TH: 120 °C
  Powiadamianie o temperaturze T1: aktywne
  Termostat T2/O4: nieaktywny
  Termostat T2/O4, TL2: 5 °C
  Termostat T2/O4, TH2: 30 °C
  Powiadamianie o temperaturze T2: nieaktywne
  Rozbrajanie L1: aktywne
  Sygnalizator O1: aktywny
  Sygnalizator O1, aktywny przez: 30 s. od pobudzenia linii
  Remanencja wyjść: nieaktywna

Ustawienia linii meldunkowych
  Linia 1, telefony: TEL1, TEL3
  Linia 1, Pobudzenie: NO
  Linia 2, telefony: (brak)
  Linia 2, Pobudzenie: (brak)
  Linia 3, telefony: (brak)
  Linia 3, Pobudzenie: (brak)
  Linia 4, telefony: (brak)
  Linia 4, Pobudzenie: (brak)
  Linia 5, telefony: (brak)
  Linia 5, Pobudzenie: (brak)
  Linia 6, telefony: (brak)
  Linia 6, Pobudzenie: (brak)
  Linia 7, telefony: (brak)
  Linia 7, Pobudzenie: (brak)
  Linia 8, telefony: (brak)
  Linia 8, Pobudzenie: (brak)
  Linia 9/T1, telefony: (brak)
  Linia 9/T1, Pobudzenie: (brak)
  Linia 10/T2, telefony: (brak)
  Linia 10/T2, Pobudzenie: NC

Ustawienia raportów i sterowania
  Raport wysyłany na telefony: TEL1, TEL2
  Przyjmow. CLIP z telefonów: TEL3
  Sterowanie SMS z telefonów: TEL1, DOWOLNY
  Raportuj zmianę źródła zasilania: tak
  Raportuj zmianę stanu wyjść: nie
  Generuj impuls O2 po odebr. CLIP: tak
  Ignoruj stan wejść przy starcie programu: nie

Teksty powiadomień
  Linia 1: "Alarm $170"
  Linia 2: ""
  Linia 3: "Drzwi"
  Linia 4: ""
  Linia 5: ""
  Linia 6: ""
  Linia 7: ""
  Linia 8: ""
  Linia 9: ""
  Linia 10: ""
  Raport: "Stan $200"
)";

TEST(ReportTest, TheSampleShownWhole) {
    const ConfigFileContents file = FileHolding(SampleConfiguration());
    EXPECT_EQ(FormatFileHeader("obiekt.gr8", file) +
                  FormatReport(DescribeConfiguration(file.image)),
              kSampleShown);
}

// The captions of a dialog as one-line texts: line breaks and runs of blanks become one blank.
std::set<std::string> CaptionsOf(const DialogTemplate& dialog) {
    std::set<std::string> captions;
    for (const ControlTemplate& control : dialog.controls) {
        std::istringstream words{std::string(control.text)};
        std::string caption;
        for (std::string word; words >> word;) {
            caption += (caption.empty() ? "" : " ") + word;
        }
        captions.insert(caption);
    }
    return captions;
}

// A technician finds each setting of the report under the same words in the console: the
// editor's caption, and a control's caption up to the comma that may say which part is meant.
TEST(ReportTest, SectionsFollowTheEditorsInTheirWords) {
    const ConfigurationReport report = DescribeConfiguration(SampleConfiguration());
    const DialogTemplate* editors[] = {&GeneralSettingsTemplate(), &LineSettingsTemplate(),
                                       &ReportsControlTemplate(), &SmsTextsTemplate()};
    ASSERT_EQ(report.size(), std::size(editors));
    for (std::size_t section = 0; section < report.size(); ++section) {
        EXPECT_EQ(report[section].title, editors[section]->caption);
        const std::set<std::string> captions = CaptionsOf(*editors[section]);
        for (const ReportField& field : report[section].fields) {
            EXPECT_TRUE(captions.contains(field.label.substr(0, field.label.find(", "))))
                << field.label;
        }
    }
}

struct ShownCase {
    std::function<void(ConfigImage&)> change;
    std::string key;
    std::string shown;
    std::string json;
};

void Erase(ConfigImage& image) {
    image.fill(0xFF);
}

// Values away from the sample: what the editor would repair shows the stored value too, bits
// no editor shows mean nothing, shared bytes keep their neighbours apart, and texts cannot end
// early or reach the terminal.
TEST(ReportTest, EachSettingAsTheEditorWouldOpenIt) {
    const ShownCase cases[] = {
        {[](ConfigImage& i) { i[kThermostat1LowOffset] = 121; }, "thermostat1.low",
         "5 °C [zapisane: 121]", "5"},
        {[](ConfigImage& i) { i[kThermostat2HighOffset] = static_cast<std::uint8_t>(-26); },
         "thermostat2.high", "10 °C [zapisane: -26]", "10"},
        {[](ConfigImage& i) { i[kNetworkCodeOffset] = i[kNetworkCodeOffset + 1] = 0xFF; },
         "networkCode", "0 (wybór automatyczny) [zapisane: 65535]", "0"},
        {Erase, "smsc", "(brak)", "\"\""},
        {Erase, "pin", "(brak)", "\"\""},
        {Erase, "thermostat1.low", "-1 °C", "-1"},
        {Erase, "smsLimit.max", "255 SMS między raportami", "255"},
        {Erase, "periodicReport.minutes", "65535 minut", "65535"},
        {Erase, "siren.seconds", "255 s. od pobudzenia linii", "255"},
        {Erase, "disarmingL1", "aktywne", "true"},
        {Erase, "temperature2.notify", "aktywne", "true"},
        {Erase, "outputRemanence", "aktywna", "true"},
        {Erase, "line5.phones", "TEL1, TEL2, TEL3", R"(["TEL1","TEL2","TEL3"])"},
        {Erase, "clip.phones", "TEL1, TEL2, TEL3, DOWOLNY", R"(["TEL1","TEL2","TEL3","DOWOLNY"])"},
        {Erase, "text.line4", "\"\"", "\"\""},
        {[](ConfigImage& i) { i[kLineSettingsOffset + 8] = 0x37; }, "line9.edges", "NO, NC",
         R"(["NO","NC"])"},
        {[](ConfigImage& i) { i[kLineSettingsOffset + 8] = 0xC8; }, "line9.phones", "(brak)", "[]"},
        {[](ConfigImage& i) { i[kLineSettingsOffset + 8] = 0xC8; }, "line9.edges", "(brak)", "[]"},
        {[](ConfigImage& i) { i[kSmsControlFlagsOffset] = 0x20; }, "thermostat2.active", "aktywny",
         "true"},
        {[](ConfigImage& i) { i[kSmsControlFlagsOffset] = 0x20; }, "smsControl.phones", "(brak)",
         "[]"},
        {[](ConfigImage& i) { i[kReportFlagsOffset] = 0x10; }, "report.phones", "(brak)", "[]"},
        {[](ConfigImage& i) { i[kReportFlagsOffset] = 0x10; }, "reportPowerSource", "tak", "true"},
        {[](ConfigImage& i) { i[kClipFlagsOffset] = 0x40; }, "ignoreInputsAtStart", "tak", "true"},
        {[](ConfigImage& i) { i[kClipFlagsOffset] = 0x40; }, "clip.phones", "(brak)", "[]"},
        {[](ConfigImage& i) { PutText(i, 9, std::string(40, 'x')); }, "text.line10",
         "\"" + std::string(40, 'x') + "\"", "\"" + std::string(40, 'x') + "\""},
        {[](ConfigImage& i) { PutText(i, 4, " \"a\\b\x1c "); }, "text.line5",
         "\" \\\"a\\\\b\\x1C \"", "\" \\\"a\\\\b\\u001c \""},
    };
    for (const ShownCase& shown : cases) {
        ConfigImage image = SampleConfiguration();
        shown.change(image);
        const ReportField field = FieldOf(image, shown.key);
        EXPECT_EQ(field.shown, shown.shown) << shown.key;
        EXPECT_EQ(field.json.dump(), shown.json) << shown.key;
    }
}

TEST(ReportTest, HeaderTellsAboutADamagedFileOrOneOfTheWrongLength) {
    ConfigFileContents file = FileHolding(ConfigImage{});
    file.computedCheckWord = 0x00F0;
    EXPECT_EQ(FormatFileHeader("a\x1b[2Jb.gr8", file),
              "Plik: a\\x1B[2Jb.gr8\nSłowo kontrolne: NIEZGODNE (w pliku 0x1A2B, obliczone "
              "0x00F0); konsola nie wczyta tego pliku\n");
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

// The report as a script reads it back, valid for any file name and text.
TEST(JsonReportTest, EverySettingWithKeyLabelAndTypedValue) {
    ConfigImage image = SampleConfiguration();
    image[kThermostat1LowOffset] = 121;
    PutText(image, 0, "\x01\"\\\x7f");
    ConfigFileContents damaged = FileHolding(image);
    damaged.computedCheckWord = 1;
    EXPECT_EQ(nlohmann::json::parse(FormatJsonReport("f", damaged, {}))["checkWord"].dump(),
              R"({"computed":1,"matches":false,"stored":6699})");
    const nlohmann::json json = nlohmann::json::parse(
        FormatJsonReport("z\xff\xc3(\"\n.gr8", FileHolding(image), DescribeConfiguration(image)));
    EXPECT_EQ(json["file"], "z\uFFFD\uFFFD(\"\n.gr8");
    EXPECT_EQ(json["bytesRead"], 1024);
    EXPECT_EQ(json["longerThanImage"], false);
    EXPECT_EQ(json["checkWord"].dump(), R"({"computed":6699,"matches":true,"stored":6699})");
    std::map<std::string, std::string> fields;
    for (const nlohmann::json& section : json["sections"]) {
        for (const nlohmann::json& field : section["fields"]) {
            fields[field["key"]] = field.dump();
        }
    }
    EXPECT_EQ(fields.size(), 60u);
    EXPECT_EQ(fields["pin"], R"({"key":"pin","label":"Numer PIN","value":"1234"})");
    EXPECT_EQ(fields["thermostat1.low"],
              R"({"key":"thermostat1.low","label":"Termostat T1/O5, TL","stored":121,"value":5})");
    EXPECT_EQ(
        fields["smsControl.phones"],
        R"({"key":"smsControl.phones","label":"Sterowanie SMS z telefonów","value":["TEL1","DOWOLNY"]})");
    EXPECT_EQ(json["sections"][0]["title"], "Ustawienia ogólne");
    EXPECT_EQ(json["sections"][3]["title"], "Teksty powiadomień");
    EXPECT_EQ(json["sections"][3]["fields"][0]["value"], "\x01\"\\\x7f");
}

} // namespace
