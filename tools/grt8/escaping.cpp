#include "tools/grt8/escaping.h"

#include <cstdio>

namespace {

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

std::string Escaped(unsigned char byte, const char* format) {
    char escape[8];
    std::snprintf(escape, sizeof escape, format, static_cast<unsigned>(byte));
    return escape;
}

// The lead byte of a multi-byte UTF-8 sequence: its marker bits, the sequence's length and the
// smallest character that needs that length (anything smaller is an overlong form).
struct Utf8Lead {
    unsigned char markerMask;
    unsigned char marker;
    std::size_t length;
    char32_t smallest;
};

constexpr Utf8Lead kUtf8Leads[] = {
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};

// The length of the well-formed UTF-8 sequence at `at`; 0 when the bytes there are not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    for (const Utf8Lead& kind : kUtf8Leads) {
        if ((lead & kind.markerMask) != kind.marker || text.size() - at < kind.length) {
            continue;
        }
        char32_t value = lead & static_cast<unsigned char>(~kind.markerMask);
        for (std::size_t i = 1; i < kind.length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) {
                return 0;
            }
            value = value << 6 | (next & 0x3Fu);
        }
        const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
        return value < kind.smallest || value > 0x10FFFF || surrogate ? 0 : kind.length;
    }
    return 0;
}

} // namespace

std::string WithoutControlCharacters(std::string_view utf8) {
    std::string shown;
    for (const char character : utf8) {
        const auto byte = static_cast<unsigned char>(character);
        shown += IsControl(byte) && character != '\n' ? Escaped(byte, "\\x%02X")
                                                      : std::string(1, character);
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
            quoted += Escaped(static_cast<unsigned char>(character), "\\x%02X");
        } else {
            quoted += character;
        }
    }
    return quoted + "\"";
}

std::string JsonString(std::string_view utf8) {
    std::string json = "\"";
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = Utf8SequenceLength(utf8, at);
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (length == 0) {
            json += "\\ufffd";
            at += 1;
            continue;
        }
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += utf8[at];
        } else if (IsControl(byte)) {
            json += Escaped(byte, "\\u%04x");
        } else {
            json.append(utf8.substr(at, length));
        }
        at += length;
    }
    return json + "\"";
}
