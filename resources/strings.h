#pragma once

#include <string_view>

// The string resources of the program.
std::string_view LoadResourceString(int stringId);
