#pragma once

#include <optional>
#include <string>

// The console takes its command line as one text: the arguments after the program's name,
// separated by single blanks. Nothing when there is no argument at all; an empty argument
// (two double quotes typed in a shell) still gives a text, an empty one.
std::optional<std::string> ArgumentText(int argc, const char* const* argv);

// The configuration file loaded at start-up: "default.gr8" when there is no argument, else the
// whole argument text with every double quote dropped. Nothing else is parsed, so a switch
// becomes part of the name.
std::string StartupFileName(const std::optional<std::string>& argumentText);

// A complete read from the module also writes eeprom.bin when this switch stands anywhere in
// the argument text.
bool HasEepromSwitch(const std::optional<std::string>& argumentText);
