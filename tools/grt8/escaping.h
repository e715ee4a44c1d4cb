#pragma once

#include <string>
#include <string_view>

// Texts from files and modules are printed with their control characters as \xNN, so that no
// byte a module or a file holds can drive the terminal. Line breaks are kept.
std::string WithoutControlCharacters(std::string_view utf8);

// Between double quotes, with quotes and backslashes escaped too, so blanks at the ends of a
// text can be seen and the text read back unambiguously.
std::string QuotedText(std::string_view utf8);
