#include "editors/cp1250_codec.h"

#include <algorithm>
#include <array>

namespace {

constexpr char32_t kUnassigned = U'\uFFFD';
constexpr std::uint8_t kFirstUpperByte = 0x80;

// The characters of bytes 0x80 to 0xFF.
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x20AC,      kUnassigned, 0x201A, kUnassigned, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80-0x87
    kUnassigned, 0x2030,      0x0160, 0x2039,      0x015A, 0x0164, 0x017D, 0x0179, // 0x88-0x8F
    kUnassigned, 0x2018,      0x2019, 0x201C,      0x201D, 0x2022, 0x2013, 0x2014, // 0x90-0x97
    kUnassigned, 0x2122,      0x0161, 0x203A,      0x015B, 0x0165, 0x017E, 0x017A, // 0x98-0x9F
    0x00A0,      0x02C7,      0x02D8, 0x0141,      0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0-0xA7
    0x00A8,      0x00A9,      0x015E, 0x00AB,      0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8-0xAF
    0x00B0,      0x00B1,      0x02DB, 0x0142,      0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0-0xB7
    0x00B8,      0x0105,      0x015F, 0x00BB,      0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8-0xBF
    0x0154,      0x00C1,      0x00C2, 0x0102,      0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0-0xC7
    0x010C,      0x00C9,      0x0118, 0x00CB,      0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8-0xCF
    0x0110,      0x0143,      0x0147, 0x00D3,      0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0-0xD7
    0x0158,      0x016E,      0x00DA, 0x0170,      0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8-0xDF
    0x0155,      0x00E1,      0x00E2, 0x0103,      0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0-0xE7
    0x010D,      0x00E9,      0x0119, 0x00EB,      0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8-0xEF
    0x0111,      0x0144,      0x0148, 0x00F3,      0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0-0xF7
    0x0159,      0x016F,      0x00FA, 0x0171,      0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8-0xFF
};

} // namespace

char32_t UnicodeFromCp1250(std::uint8_t byte) {
    return byte < kFirstUpperByte ? char32_t{byte} : kUpperHalf[byte - kFirstUpperByte];
}

std::optional<std::uint8_t> Cp1250FromUnicode(char32_t character) {
    if (character < kFirstUpperByte) {
        return static_cast<std::uint8_t>(character);
    }
    if (character == kUnassigned) {
        return std::nullopt;
    }
    const auto found = std::find(kUpperHalf.begin(), kUpperHalf.end(), character);
    if (found == kUpperHalf.end()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(kFirstUpperByte + (found - kUpperHalf.begin()));
}

std::u32string Cp1250ToUnicode(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(UnicodeFromCp1250(static_cast<std::uint8_t>(byte)));
    }
    return text;
}

namespace {

void AppendUtf8(std::string& text, char32_t character) {
    const auto unit = [](unsigned value) { return static_cast<char>(value); };
    if (character < 0x80) {
        text.push_back(unit(character));
    } else if (character < 0x800) {
        text.push_back(unit(0xC0 | (character >> 6)));
        text.push_back(unit(0x80 | (character & 0x3F)));
    } else {
        text.push_back(unit(0xE0 | (character >> 12)));
        text.push_back(unit(0x80 | ((character >> 6) & 0x3F)));
        text.push_back(unit(0x80 | (character & 0x3F)));
    }
}

} // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char32_t character : Cp1250ToUnicode(bytes)) {
        AppendUtf8(text, character);
    }
    return text;
}

std::optional<std::string> UnicodeToCp1250(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t character : text) {
        const std::optional<std::uint8_t> byte = Cp1250FromUnicode(character);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}
