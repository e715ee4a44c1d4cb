#include "tools/grt8/escaping.h"

#include <cstdio>

namespace {

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

std::string Escaped(unsigned char byte) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
    return escape;
}

} // namespace

std::string WithoutControlCharacters(std::string_view utf8) {
    std::string shown;
    for (const char character : utf8) {
        const auto byte = static_cast<unsigned char>(character);
        shown += IsControl(byte) && character != '\n' ? Escaped(byte) : std::string(1, character);
    }
    return shown;
}

std::string QuotedText(std::string_view utf8) {
    std::string quoted = "\"";
    for (const char character : utf8) {
        if (character == '"' || character == '\\') {
            quoted += '\\';
            quoted += character;
        } else if (IsControl(static_cast<unsigned char>(character))) {
            quoted += Escaped(static_cast<unsigned char>(character));
        } else {
            quoted += character;
        }
    }
    return quoted + "\"";
}
