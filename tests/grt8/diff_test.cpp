#include "sample_configuration.h"
#include "tools/grt8/configuration_diff.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfigurationDiffTest, TheSameSettingsDoNotDiffer) {
    EXPECT_TRUE(CompareConfigurations(SampleConfiguration(), SampleConfiguration()).empty());
    EXPECT_EQ(FormatDifferences({}), "");
}

// What a read from the module brings differs from the sent file in exactly these bytes, and
// editing shorter values leaves old bytes behind: none of it is a setting.
TEST(ConfigurationDiffTest, BytesNoEditorShowsAreNotCompared) {
    const ConfigImage sample = SampleConfiguration();
    ConfigImage other = sample;
    other[0] = 0x47;
    other[2] = 0x76;
    other[5] = 0x55;
    other[700] = 0xAA;
    other[kCheckWordOffset] ^= 0xFF;
    other[kPhone1SlotOffset + 9] = 0x99;   // after the last digit of "*123"
    other[kPhone3SlotOffset + 5] = 0x12;   // digits of a slot without a number
    other[SmsTextOffset(0) + 20] = 'x';    // after the terminator of line 1's text
    other[kLineSettingsOffset + 3] = 0xC8; // unused bits of a line byte
    other[kReportFlagsOffset] |= 0xC8;     // unused bits of the report flags
    other[kSmsControlFlagsOffset] |= 0xC0; // bits neither editor owns
    EXPECT_TRUE(CompareConfigurations(sample, other).empty());
}

TEST(ConfigurationDiffTest, ListsEachDifferingSettingInReportOrder) {
    const ConfigImage sample = SampleConfiguration();
    ConfigImage other = sample;
    PutPhoneNumber(other, kPhone1SlotOffset, U"+48600111222");
    other[kThermostat1LowOffset] = 121;
    other[kLineSettingsOffset + 9] = 0x21;
    PutText(other, 2, "Okno $170");
    const std::vector<FieldDifference> expected = {
        {"Ustawienia ogólne", "Numer 1", "*123", "+48600111222"},
        {"Ustawienia ogólne", "Termostat T1/O5, TL", "-25 °C", "5 °C [zapisane: 121]"},
        {"Ustawienia linii meldunkowych", "Linia 10/T2, telefony", "(brak)", "TEL1"},
        {"Teksty powiadomień", "Linia 3", "\"Drzwi\"", "\"Okno $170\""},
    };
    EXPECT_EQ(CompareConfigurations(sample, other), expected);
}

TEST(ConfigurationDiffTest, EachSectionOnceThenItsSettingsFromAToB) {
    const std::vector<FieldDifference> differences = {
        {"Ustawienia ogólne", "Numer 1", "*123", "+48600111222"},
        {"Ustawienia ogólne", "Numer PIN", "1234", "(brak)"},
        {"Teksty powiadomień", "Raport", "\"\"", "\"Stan\""},
    };
    EXPECT_EQ(FormatDifferences(differences), "Ustawienia ogólne\n"
                                              "  Numer 1: *123 → +48600111222\n"
                                              "  Numer PIN: 1234 → (brak)\n"
                                              "Teksty powiadomień\n"
                                              "  Raport: \"\" → \"Stan\"\n");
}

} // namespace
