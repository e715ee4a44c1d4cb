#pragma once

#include <string>
#include <string_view>

// The console takes its command line as one text: the arguments after the program's name,
// separated by single blanks.
std::string ArgumentText(int argc, const char* const* argv);

// The configuration file loaded at start-up: "default.gr8", or the whole argument text with
// every double quote dropped. Nothing else is parsed, so a switch becomes part of the name.
std::string StartupFileName(std::string_view argumentText);

// A complete read from the module also writes eeprom.bin when this switch stands anywhere in
// the argument text.
bool HasEepromSwitch(std::string_view argumentText);
