#pragma once

#include <string>
#include <string_view>

// The layer's texts are UTF-8; the window system's are UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
