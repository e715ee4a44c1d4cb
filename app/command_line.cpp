#include "app/command_line.h"

#include <algorithm>

namespace {

constexpr std::string_view kDefaultFileName = "default.gr8";
constexpr std::size_t kLongestFileName = 1023;

} // namespace

std::string ArgumentText(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            text += ' ';
        }
        text += argv[i];
    }
    return text;
}

std::string StartupFileName(std::string_view argumentText) {
    if (argumentText.empty()) {
        return std::string(kDefaultFileName);
    }
    const std::string_view considered = argumentText.substr(0, kLongestFileName);
    std::string name;
    std::copy_if(considered.begin(), considered.end(), std::back_inserter(name),
                 [](char c) { return c != '"'; });
    return name;
}

bool HasEepromSwitch(std::string_view argumentText) {
    return argumentText.find("/eeprom") != std::string_view::npos;
}
