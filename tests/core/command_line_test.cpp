#include "app/command_line.h"

#include <gtest/gtest.h>

// The arguments join into one text; the start-up file is that text with every quote dropped,
// read up to 1023 characters, a dropped quote counted, and "default.gr8" only without any
// argument. The switch is a case-sensitive substring anywhere in the text.
TEST(CommandLine, NamesTheStartupFileAndHoldsTheEepromSwitch) {
    const char* const argv[] = {"konsola_grt8", "C:\\Dane\\a\" b.gr8", "/eeprom"};
    const std::optional<std::string> text = ArgumentText(3, argv);
    EXPECT_EQ(text, "C:\\Dane\\a\" b.gr8 /eeprom");
    EXPECT_EQ(StartupFileName(text), "C:\\Dane\\a b.gr8 /eeprom");
    EXPECT_EQ(StartupFileName(ArgumentText(1, argv)), "default.gr8");
    EXPECT_EQ(StartupFileName("\"" + std::string(1500, 'a')), std::string(1022, 'a'));
    EXPECT_TRUE(HasEepromSwitch(text));
    EXPECT_TRUE(HasEepromSwitch("x/eepromy"));
    EXPECT_FALSE(HasEepromSwitch("a.gr8 /EEPROM"));
    EXPECT_FALSE(HasEepromSwitch(std::nullopt));
}
