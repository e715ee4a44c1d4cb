#include "editors/sms_text_codec.h"

#include <optional>
#include <utility>

namespace {

constexpr std::uint8_t kTextEnd = 0;
constexpr std::uint8_t kErasedTextEnd = 0xFF;
constexpr std::uint8_t kFirstVariableCode = 0x80;
constexpr char kCodeMark = '$';
constexpr std::size_t kCodeDigits = 3;

// The Polish letters in code page 1250 and the ASCII letters the module sends in their place.
constexpr std::pair<std::uint8_t, char> kPolishLetters[] = {
    {0xB9, 'a'}, {0xE6, 'c'}, {0xEA, 'e'}, {0xB3, 'l'}, {0xF1, 'n'}, {0xF3, 'o'},
    {0x9C, 's'}, {0x9F, 'z'}, {0xBF, 'z'}, {0xA5, 'A'}, {0xC6, 'C'}, {0xCA, 'E'},
    {0xA3, 'L'}, {0xD1, 'N'}, {0xD3, 'O'}, {0x8C, 'S'}, {0x8F, 'Z'}, {0xAF, 'Z'},
};

bool IsAscii(char character) {
    return static_cast<std::uint8_t>(character) < 0x80;
}

std::optional<std::uint8_t> StoredCharacter(char character) {
    if (IsAscii(character)) {
        return static_cast<std::uint8_t>(character);
    }
    for (const auto& [letter, plainLetter] : kPolishLetters) {
        if (static_cast<std::uint8_t>(character) == letter) {
            return static_cast<std::uint8_t>(plainLetter);
        }
    }
    return std::nullopt;
}

// The three characters are not checked for digits: "$1x2" stands for whatever the sum gives.
std::optional<std::uint8_t> StoredCode(std::string_view digits) {
    int value = 0;
    for (const char digit : digits) {
        if (!IsAscii(digit)) {
            return std::nullopt;
        }
        value = 10 * value + (digit - '0');
    }
    return static_cast<std::uint8_t>(value);
}

void AppendCode(std::string& text, std::uint8_t code) {
    text += kCodeMark;
    text += static_cast<char>('0' + code / 100);
    text += static_cast<char>('0' + code / 10 % 10);
    text += static_cast<char>('0' + code % 10);
}

} // namespace

std::string DecodeSmsText(ConstSmsTextSlot slot) {
    std::string text;
    for (const std::uint8_t byte : slot) {
        if (byte == kTextEnd || byte == kErasedTextEnd) {
            break;
        }
        if (byte < kFirstVariableCode) {
            text += static_cast<char>(byte);
        } else {
            AppendCode(text, byte);
        }
    }
    return text;
}

SmsTextEncoding EncodeSmsText(std::string_view text, SmsTextSlot slot) {
    std::size_t stored = 0;
    std::size_t position = 0;
    while (position < text.size() && stored < slot.size()) {
        const bool isCode = text[position] == kCodeMark && text.size() - position > kCodeDigits;
        const std::optional<std::uint8_t> byte =
            isCode ? StoredCode(text.substr(position + 1, kCodeDigits))
                   : StoredCharacter(text[position]);
        if (!byte) {
            return SmsTextEncoding::ForbiddenCharacter;
        }
        slot[stored++] = *byte;
        position += isCode ? 1 + kCodeDigits : 1;
    }
    if (stored < slot.size()) {
        slot[stored] = kTextEnd;
    }
    return position < text.size() ? SmsTextEncoding::TooLong : SmsTextEncoding::Stored;
}
