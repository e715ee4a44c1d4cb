#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

// The argument text names the start-up file with every quote dropped, read up to 1023
// characters, a dropped quote counted; "default.gr8" only without any argument.
TEST(CommandLine, NamesTheStartupFileAndHoldsTheEepromSwitch) {
    const char* const argv[] = {"konsola_grt8", "C:\\Dane\\a\" b.gr8", "/eeprom"};
    EXPECT_EQ(ArgumentText(1, argv), std::nullopt);
    const char* const emptyArgument[] = {"konsola_grt8", ""};
    EXPECT_EQ(ArgumentText(2, emptyArgument), "") << "an empty argument is still an argument";
    const std::optional<std::string> text = ArgumentText(3, argv);
    EXPECT_EQ(text, "C:\\Dane\\a\" b.gr8 /eeprom");
    EXPECT_EQ(StartupFileName(text), "C:\\Dane\\a b.gr8 /eeprom");
    EXPECT_EQ(StartupFileName(std::nullopt), "default.gr8");
    EXPECT_EQ(StartupFileName("\"\""), "");
    EXPECT_EQ(StartupFileName("\"" + std::string(1500, 'a')), std::string(1022, 'a'));
    EXPECT_TRUE(HasEepromSwitch(text));
    EXPECT_TRUE(HasEepromSwitch("x/eepromy"));
    EXPECT_FALSE(HasEepromSwitch("a.gr8 /EEPROM"));
    EXPECT_FALSE(HasEepromSwitch(std::nullopt));
}

} // namespace
