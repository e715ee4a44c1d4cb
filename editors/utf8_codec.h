#pragma once

#include <string>
#include <string_view>

// The dialogs hand texts over as UTF-8; the conversions of the fields work on characters. A
// sequence cut short or a stray continuation byte becomes U+FFFD.
std::u32string Utf32FromUtf8(std::string_view text);
std::string Utf8FromUtf32(std::u32string_view text);
