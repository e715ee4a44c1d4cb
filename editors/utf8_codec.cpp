#include "editors/utf8_codec.h"

std::u32string Utf32FromUtf8(std::string_view text) {
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at++]);
        const int following = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t character = lead & (0x7F >> (following == 0 ? 0 : following + 1));
        int taken = 0;
        for (; taken < following && at < text.size() && (text[at] & 0xC0) == 0x80; ++taken) {
            character = (character << 6) | (text[at++] & 0x3F);
        }
        const bool wellFormed = lead < 0x80 || (following > 0 && taken == following);
        characters += wellFormed && character <= 0x10FFFF ? character : char32_t{0xFFFD};
    }
    return characters;
}

std::string Utf8FromUtf32(std::u32string_view text) {
    std::string bytes;
    for (const char32_t character : text) {
        const int following = character < 0x80      ? 0
                              : character < 0x800   ? 1
                              : character < 0x10000 ? 2
                                                    : 3;
        constexpr unsigned char kLeads[] = {0x00, 0xC0, 0xE0, 0xF0};
        bytes += static_cast<char>(kLeads[following] | (character >> (6 * following)));
        for (int shift = 6 * (following - 1); shift >= 0; shift -= 6) {
            bytes += static_cast<char>(0x80 | ((character >> shift) & 0x3F));
        }
    }
    return bytes;
}
