#pragma once

#include <string_view>

// True when the text is one well-formed JSON value and nothing else. Enough to catch a missing
// comma or an unescaped character in what scripts are going to parse.
bool IsWellFormedJson(std::string_view text);
