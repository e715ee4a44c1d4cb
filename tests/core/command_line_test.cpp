#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupFileName, DefaultsOnlyWithoutAnyArgument) {
    EXPECT_EQ(StartupFileName(std::nullopt), "default.gr8");
    EXPECT_EQ(StartupFileName("\"\""), "") << "two quotes name no file; the default is not tried";
    EXPECT_EQ(StartupFileName(""), "") << "nor for an empty argument, the same quotes unquoted";
}

TEST(StartupFileName, DropsEveryQuoteAndKeepsEverythingElse) {
    EXPECT_EQ(StartupFileName("\"/home/jan/Moje konfiguracje/a.gr8\""),
              "/home/jan/Moje konfiguracje/a.gr8");
    EXPECT_EQ(StartupFileName("ob\"iek\"t.gr8 /eeprom"), "obiekt.gr8 /eeprom");
}

TEST(StartupFileName, ReadsAtMost1023Characters) {
    const std::string longName(1500, 'a');
    EXPECT_EQ(StartupFileName(longName).size(), 1023u);
    EXPECT_EQ(StartupFileName("\"" + longName).size(), 1022u) << "a dropped quote still counts";
}

TEST(ArgumentText, JoinsTheArgumentsAfterTheProgramName) {
    const char* const programAndEmptyArgument[] = {"konsola_grt8", ""};
    EXPECT_EQ(ArgumentText(1, programAndEmptyArgument), std::nullopt);
    EXPECT_EQ(ArgumentText(2, programAndEmptyArgument), "")
        << "an empty argument is still an argument";
    const char* const arguments[] = {"konsola_grt8", "C:\\Dane\\a b.gr8", "/eeprom"};
    EXPECT_EQ(ArgumentText(3, arguments), "C:\\Dane\\a b.gr8 /eeprom");
}

TEST(EepromSwitch, IsACaseSensitiveSubstring) {
    EXPECT_TRUE(HasEepromSwitch("a.gr8 /eeprom"));
    EXPECT_TRUE(HasEepromSwitch("x/eepromy"));
    EXPECT_FALSE(HasEepromSwitch("a.gr8 /EEPROM"));
    EXPECT_FALSE(HasEepromSwitch(""));
    EXPECT_FALSE(HasEepromSwitch(std::nullopt));
}

} // namespace
