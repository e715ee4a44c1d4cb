#include "resources/templates/templates.h"
#include "sample_configuration.h"
#include "tools/grt8/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string_view>

namespace {

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

std::string Shown(const ConfigImage& image, std::string_view key) {
    return FieldOf(image, key).shown;
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
    EXPECT_EQ(report[0].fields.size(), 22u);
    EXPECT_EQ(report[1].fields.size(), 20u) << "telephones and edge of ten lines";
    EXPECT_EQ(report[2].fields.size(), 7u);
    EXPECT_EQ(report[3].fields.size(), 11u);
}

TEST(ReportTest, TelephonesPinAndNetworkCode) {
    const ConfigImage image = SampleConfiguration();
    EXPECT_EQ(FieldOf(image, "smsc").label, "SMSC");
    EXPECT_EQ(Shown(image, "smsc"), "+48602951111");
    EXPECT_EQ(FieldOf(image, "phone1").label, "Numer 1");
    EXPECT_EQ(Shown(image, "phone1"), "*123");
    EXPECT_EQ(Shown(image, "phone2"), "600100200");
    EXPECT_EQ(Shown(image, "phone3"), "(brak)");
    EXPECT_EQ(FieldOf(image, "phone3").json.dump(), "\"\"");
    EXPECT_EQ(FieldOf(image, "pin").label, "Numer PIN");
    EXPECT_EQ(Shown(image, "pin"), "1234");
    EXPECT_EQ(FieldOf(image, "networkCode").label, "Kod sieci");
    EXPECT_EQ(Shown(image, "networkCode"), "26003");
    EXPECT_EQ(FieldOf(image, "networkCode").json.dump(), "26003");
}

TEST(ReportTest, LimitsReportAndSwitchesInTheEditorsWords) {
    const ConfigImage image = SampleConfiguration();
    EXPECT_EQ(Shown(image, "smsLimit.active"), "aktywne");
    EXPECT_EQ(FieldOf(image, "smsLimit.max").label, "Ograniczenie SMS, max.");
    EXPECT_EQ(Shown(image, "smsLimit.max"), "10 SMS między raportami");
    EXPECT_EQ(Shown(image, "periodicReport.active"), "aktywny");
    EXPECT_EQ(Shown(image, "periodicReport.minutes"), "1440 minut") << "little-endian";
    EXPECT_EQ(Shown(image, "disarmingL1"), "aktywne");
    EXPECT_EQ(Shown(image, "siren.active"), "aktywny");
    EXPECT_EQ(Shown(image, "siren.seconds"), "30 s. od pobudzenia linii");
    EXPECT_EQ(FieldOf(image, "outputRemanence").label, "Remanencja wyjść");
    EXPECT_EQ(Shown(image, "outputRemanence"), "nieaktywna");
    EXPECT_EQ(FieldOf(image, "outputRemanence").json.dump(), "false");
    EXPECT_EQ(FieldOf(image, "siren.active").json.dump(), "true");
}

TEST(ReportTest, BothThermostatsWithTheirLimitsAndNotifications) {
    ConfigImage image = SampleConfiguration();
    EXPECT_EQ(Shown(image, "thermostat1.active"), "aktywny");
    EXPECT_EQ(FieldOf(image, "thermostat1.low").label, "Termostat T1/O5, TL");
    EXPECT_EQ(Shown(image, "thermostat1.low"), "-25 °C");
    EXPECT_EQ(Shown(image, "thermostat1.high"), "120 °C");
    EXPECT_EQ(FieldOf(image, "temperature1.notify").label, "Powiadamianie o temperaturze T1");
    EXPECT_EQ(Shown(image, "temperature1.notify"), "aktywne");
    EXPECT_EQ(Shown(image, "thermostat2.active"), "nieaktywny");
    EXPECT_EQ(FieldOf(image, "thermostat2.high").label, "Termostat T2/O4, TH2");
    EXPECT_EQ(Shown(image, "thermostat2.low"), "5 °C");
    EXPECT_EQ(Shown(image, "thermostat2.high"), "30 °C");
    EXPECT_EQ(Shown(image, "temperature2.notify"), "nieaktywne");

    // The T2/O4 switch lives in the byte it shares with the SMS control flags.
    image[kSmsControlFlagsOffset] = 0x20;
    EXPECT_EQ(Shown(image, "thermostat2.active"), "aktywny");
    EXPECT_EQ(Shown(image, "smsControl.phones"), "(brak)");
}

// The editor would open these with other values; the report says so instead of hiding it.
TEST(ReportTest, ValuesTheEditorRepairsShowTheStoredValueToo) {
    ConfigImage image = SampleConfiguration();
    image[kThermostat1LowOffset] = 121;
    image[kThermostat2HighOffset] = static_cast<std::uint8_t>(-26);
    image[kNetworkCodeOffset] = 0xFF;
    image[kNetworkCodeOffset + 1] = 0xFF;
    EXPECT_EQ(Shown(image, "thermostat1.low"), "5 °C [zapisane: 121]");
    EXPECT_EQ(FieldOf(image, "thermostat1.low").stored, 121);
    EXPECT_EQ(Shown(image, "thermostat2.high"), "10 °C [zapisane: -26]");
    EXPECT_EQ(Shown(image, "networkCode"), "0 (wybór automatyczny) [zapisane: 65535]");
    EXPECT_EQ(FieldOf(image, "networkCode").json.dump(), "0");
    EXPECT_FALSE(FieldOf(image, "thermostat1.high").stored.has_value());
}

TEST(ReportTest, AnErasedImageReadsAsTheEditorsOpenIt) {
    ConfigImage image;
    image.fill(0xFF);
    for (const char* key : {"smsc", "phone1", "phone2", "phone3", "pin"}) {
        EXPECT_EQ(Shown(image, key), "(brak)") << key;
    }
    EXPECT_EQ(Shown(image, "thermostat1.low"), "-1 °C");
    EXPECT_EQ(Shown(image, "thermostat2.high"), "-1 °C");
    EXPECT_EQ(Shown(image, "smsLimit.max"), "255 SMS między raportami");
    EXPECT_EQ(Shown(image, "periodicReport.minutes"), "65535 minut");
    EXPECT_EQ(Shown(image, "siren.seconds"), "255 s. od pobudzenia linii");
    for (const char* key :
         {"smsLimit.active", "periodicReport.active", "thermostat1.active", "thermostat2.active",
          "disarmingL1", "temperature1.notify", "temperature2.notify"}) {
        EXPECT_TRUE(Shown(image, key).starts_with("aktywn")) << key;
    }
    EXPECT_EQ(Shown(image, "line5.phones"), "TEL1, TEL2, TEL3");
    EXPECT_EQ(Shown(image, "clip.phones"), "TEL1, TEL2, TEL3, DOWOLNY");
    EXPECT_EQ(Shown(image, "text.line4"), "\"\"") << "0xFF ends a text";
}

TEST(ReportTest, EachLineItsTelephonesAndEdges) {
    ConfigImage image = SampleConfiguration();
    EXPECT_EQ(FieldOf(image, "line1.phones").label, "Linia 1, telefony");
    EXPECT_EQ(Shown(image, "line1.phones"), "TEL1, TEL3");
    EXPECT_EQ(FieldOf(image, "line1.phones").json.dump(), "[\"TEL1\",\"TEL3\"]");
    EXPECT_EQ(FieldOf(image, "line1.edges").label, "Linia 1, Pobudzenie");
    EXPECT_EQ(Shown(image, "line1.edges"), "NO");
    EXPECT_EQ(FieldOf(image, "line10.edges").label, "Linia 10/T2, Pobudzenie");
    EXPECT_EQ(Shown(image, "line10.phones"), "(brak)");
    EXPECT_EQ(FieldOf(image, "line10.phones").json.dump(), "[]");
    EXPECT_EQ(Shown(image, "line10.edges"), "NC");

    image[kLineSettingsOffset + 8] = 0x37;
    EXPECT_EQ(Shown(image, "line9.phones"), "TEL1, TEL2, TEL3");
    EXPECT_EQ(Shown(image, "line9.edges"), "NO, NC");
    image[kLineSettingsOffset + 8] = 0xC8;
    EXPECT_EQ(Shown(image, "line9.phones"), "(brak)") << "bits 3, 6 and 7 mean nothing";
    EXPECT_EQ(Shown(image, "line9.edges"), "(brak)");
}

TEST(ReportTest, ReportClipAndSmsControlMatrixWithOptions) {
    ConfigImage image = SampleConfiguration();
    EXPECT_EQ(FieldOf(image, "report.phones").label, "Raport wysyłany na telefony");
    EXPECT_EQ(Shown(image, "report.phones"), "TEL1, TEL2");
    EXPECT_EQ(FieldOf(image, "clip.phones").label, "Przyjmow. CLIP z telefonów");
    EXPECT_EQ(Shown(image, "clip.phones"), "TEL3");
    EXPECT_EQ(Shown(image, "smsControl.phones"), "TEL1, DOWOLNY");
    EXPECT_EQ(FieldOf(image, "reportPowerSource").label, "Raportuj zmianę źródła zasilania");
    EXPECT_EQ(Shown(image, "reportPowerSource"), "tak");
    EXPECT_EQ(Shown(image, "reportOutputs"), "nie");
    EXPECT_EQ(Shown(image, "pulseO2AfterClip"), "tak");
    EXPECT_EQ(Shown(image, "ignoreInputsAtStart"), "nie");

    // The report row has no column for any number: its bit 4 is the power source option.
    image[kReportFlagsOffset] = 0x10;
    EXPECT_EQ(Shown(image, "report.phones"), "(brak)");
    image[kClipFlagsOffset] = 0x40;
    EXPECT_EQ(Shown(image, "ignoreInputsAtStart"), "tak");
    EXPECT_EQ(Shown(image, "clip.phones"), "(brak)");
}

TEST(ReportTest, TextsInTheirEditFormBetweenQuotes) {
    ConfigImage image = SampleConfiguration();
    EXPECT_EQ(FieldOf(image, "text.line1").label, "Linia 1");
    EXPECT_EQ(Shown(image, "text.line1"), "\"Alarm $170\"");
    EXPECT_EQ(FieldOf(image, "text.line1").json.dump(), "\"Alarm $170\"");
    EXPECT_EQ(Shown(image, "text.line2"), "\"\"");
    EXPECT_EQ(Shown(image, "text.line3"), "\"Drzwi\"");
    EXPECT_EQ(FieldOf(image, "text.report").label, "Raport");
    EXPECT_EQ(Shown(image, "text.report"), "\"Stan $200\"");

    PutText(image, 9, std::string(40, 'x'));
    EXPECT_EQ(Shown(image, "text.line10"), "\"" + std::string(40, 'x') + "\"")
        << "a full slot has no terminator";

    // Quotes, backslashes and control characters cannot be mistaken for the text's end or
    // reach the terminal.
    PutText(image, 4, " \"a\\b\x1c ");
    EXPECT_EQ(Shown(image, "text.line5"), "\" \\\"a\\\\b\\x1C \"");
    EXPECT_EQ(FieldOf(image, "text.line5").json.dump(), "\" \\\"a\\\\b\\u001c \"");
}

} // namespace
