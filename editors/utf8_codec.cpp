#include "editors/utf8_codec.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the sequence a lead byte starts; 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

bool IsScalarOfLength(char32_t character, std::size_t length) {
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    return character >= kShortest[length] && character <= 0x10FFFF &&
           (character < 0xD800 || character > 0xDFFF);
}

} // namespace

std::u32string Utf32FromUtf8(std::string_view text) {
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = SequenceLength(lead);
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        std::size_t taken = 1;
        while (length > 1 && taken < length && at + taken < text.size() &&
               (static_cast<unsigned char>(text[at + taken]) & 0xC0) == 0x80) {
            character = (character << 6) | (static_cast<unsigned char>(text[at + taken]) & 0x3F);
            ++taken;
        }
        const bool whole = length != 0 && taken == length && IsScalarOfLength(character, length);
        characters += whole ? character : kReplacement;
        at += taken;
    }
    return characters;
}

std::string Utf8FromUtf32(std::u32string_view text) {
    std::string bytes;
    for (char32_t character : text) {
        if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
            character = kReplacement;
        }
        if (character < 0x80) {
            bytes += static_cast<char>(character);
        } else if (character < 0x800) {
            bytes += static_cast<char>(0xC0 | (character >> 6));
            bytes += static_cast<char>(0x80 | (character & 0x3F));
        } else if (character < 0x10000) {
            bytes += static_cast<char>(0xE0 | (character >> 12));
            bytes += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (character & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (character >> 18));
            bytes += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (character & 0x3F));
        }
    }
    return bytes;
}
