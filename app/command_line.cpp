#include "app/command_line.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kDefaultFileName = "default.gr8";
constexpr std::size_t kLongestFileName = 1023;

} // namespace

std::optional<std::string> ArgumentText(int argc, const char* const* argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            text += ' ';
        }
        text += argv[i];
    }
    return text;
}

std::string StartupFileName(const std::optional<std::string>& argumentText) {
    if (!argumentText) {
        return std::string(kDefaultFileName);
    }
    const std::string considered = argumentText->substr(0, kLongestFileName);
    std::string name;
    std::copy_if(considered.begin(), considered.end(), std::back_inserter(name),
                 [](char c) { return c != '"'; });
    return name;
}

bool HasEepromSwitch(const std::optional<std::string>& argumentText) {
    return argumentText && argumentText->find("/eeprom") != std::string::npos;
}
