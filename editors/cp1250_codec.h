#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Code page 1250, the code page of the module's texts. Its lower half is ASCII; the upper half
// comes from a table of our own, so the conversion is the same on every platform.

// The character a byte stands for; U+FFFD for the five bytes the code page leaves unassigned.
char32_t UnicodeFromCp1250(std::uint8_t byte);

// The byte of a character; nothing when the code page lacks it.
std::optional<std::uint8_t> Cp1250FromUnicode(char32_t character);

std::u32string Cp1250ToUnicode(std::string_view bytes);

// For texts shown in the console's log, which is UTF-8.
std::string Cp1250ToUtf8(std::string_view bytes);

// Nothing when any character of the text is missing from the code page.
std::optional<std::string> UnicodeToCp1250(std::u32string_view text);
