// SMS texts: any 40 slot bytes decode to at most 160 characters; encoding reads nothing outside
// the text and writes nothing outside the slot; an accepted text is stored byte for byte as its
// edit form says and decodes back as stored. Texts and slots are allocated at their exact size
// so that a step outside them is caught.

#include "editors/cp1250_codec.h"
#include "editors/sms_text_codec.h"
#include "fuzz_require.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using SlotBytes = std::array<std::uint8_t, kSmsTextSlotSize>;

constexpr std::size_t kMaxDecodedCharacters = 160;
constexpr std::size_t kCodeCharacters = 4;
constexpr char kCodeMark = '$';
constexpr std::uint8_t kTextEnd = 0;
constexpr std::uint8_t kErasedTextEnd = 0xFF;
constexpr std::uint8_t kFirstVariableCode = 0x80;

// The Polish letters by their Unicode code points, with the ASCII letters the module sends.
constexpr std::pair<char32_t, char> kPolishLetters[] = {
    {U'\u0105', 'a'}, {U'\u0107', 'c'}, {U'\u0119', 'e'}, {U'\u0142', 'l'}, {U'\u0144', 'n'},
    {U'\u00F3', 'o'}, {U'\u015B', 's'}, {U'\u017A', 'z'}, {U'\u017C', 'z'}, {U'\u0104', 'A'},
    {U'\u0106', 'C'}, {U'\u0118', 'E'}, {U'\u0141', 'L'}, {U'\u0143', 'N'}, {U'\u00D3', 'O'},
    {U'\u015A', 'S'}, {U'\u0179', 'Z'}, {U'\u017B', 'Z'},
};

class ExactSlot {
public:
    explicit ExactSlot(const SlotBytes& bytes) : m_bytes(new std::uint8_t[kSmsTextSlotSize]) {
        std::copy(bytes.begin(), bytes.end(), m_bytes.get());
    }
    SmsTextSlot slot() { return SmsTextSlot(m_bytes.get(), kSmsTextSlotSize); }
    ConstSmsTextSlot view() const { return ConstSmsTextSlot(m_bytes.get(), kSmsTextSlotSize); }
    std::uint8_t operator[](std::size_t index) const { return m_bytes[index]; }

private:
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

class ExactText {
public:
    explicit ExactText(const std::string& text)
        : m_size(text.size()), m_chars(new char[std::max<std::size_t>(text.size(), 1)]) {
        std::copy(text.begin(), text.end(), m_chars.get());
    }
    std::string_view view() const { return std::string_view(m_chars.get(), m_size); }

private:
    std::size_t m_size;
    std::unique_ptr<char[]> m_chars;
};

bool IsAscii(char c) {
    return static_cast<std::uint8_t>(c) < 0x80;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::uint8_t> PlainLetterOf(char cp1250) {
    const char32_t character = UnicodeFromCp1250(static_cast<std::uint8_t>(cp1250));
    for (const auto& [letter, plain] : kPolishLetters) {
        if (letter == character) {
            return static_cast<std::uint8_t>(plain);
        }
    }
    return std::nullopt;
}

// One stored byte's worth of the edit form: a character, or "$" with the three after it.
struct Item {
    std::string_view characters;
    bool IsCode() const { return characters.size() == kCodeCharacters; }

    // The byte the module keeps for it; nothing when the module cannot send it.
    std::optional<std::uint8_t> StoredByte() const {
        if (!IsCode()) {
            const char c = characters[0];
            return IsAscii(c) ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(c))
                              : PlainLetterOf(c);
        }
        int value = 0;
        for (const char digit : characters.substr(1)) {
            if (!IsAscii(digit)) {
                return std::nullopt;
            }
            value = 10 * value + (digit - '0');
        }
        return static_cast<std::uint8_t>(value);
    }

    // As the decoder shows its byte, so the edit form comes back unchanged.
    bool IsCanonical() const {
        if (!IsCode()) {
            const char c = characters[0];
            return IsAscii(c) && c != kTextEnd && c != kCodeMark;
        }
        const std::string_view digits = characters.substr(1);
        if (!std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
            return false;
        }
        const int value = std::stoi(std::string(digits));
        return value >= kFirstVariableCode && value < kErasedTextEnd;
    }
};

std::vector<Item> ItemsOf(std::string_view text) {
    std::vector<Item> items;
    std::size_t position = 0;
    while (position < text.size()) {
        const bool isCode =
            text[position] == kCodeMark && text.size() - position >= kCodeCharacters;
        const std::size_t length = isCode ? kCodeCharacters : 1;
        items.push_back({text.substr(position, length)});
        position += length;
    }
    return items;
}

struct ExpectedEncoding {
    SmsTextEncoding result = SmsTextEncoding::Stored;
    std::vector<std::uint8_t> stored;
};

ExpectedEncoding ExpectedFor(const std::vector<Item>& items) {
    ExpectedEncoding expected;
    for (const Item& item : items) {
        if (expected.stored.size() == kSmsTextSlotSize) {
            expected.result = SmsTextEncoding::TooLong;
            break;
        }
        const std::optional<std::uint8_t> byte = item.StoredByte();
        if (!byte) {
            expected.result = SmsTextEncoding::ForbiddenCharacter;
            break;
        }
        expected.stored.push_back(*byte);
    }
    return expected;
}

// The stored run: the bytes before the first that ends a text.
std::vector<std::uint8_t> StoredRun(const ExactSlot& slot) {
    std::vector<std::uint8_t> run;
    for (std::size_t i = 0;
         i < kSmsTextSlotSize && slot[i] != kTextEnd && slot[i] != kErasedTextEnd; ++i) {
        run.push_back(slot[i]);
    }
    return run;
}

// The stored bytes as the edit form shows them: a character each, "$" and three digits for a
// variable code.
std::string EditFormOf(const std::vector<std::uint8_t>& run) {
    std::string text;
    for (const std::uint8_t byte : run) {
        text += byte < kFirstVariableCode ? std::string(1, static_cast<char>(byte))
                                          : kCodeMark + std::to_string(byte);
    }
    return text;
}

// The converted bytes, then the terminator of a stored text that is shorter than the slot, and
// nothing else.
void CheckSlotWrites(const SlotBytes& old, const ExactSlot& slot, SmsTextEncoding result,
                     const ExpectedEncoding& expected) {
    const std::size_t stored = expected.stored.size();
    for (std::size_t i = 0; i < stored; ++i) {
        Require(slot[i] == expected.stored[i]);
    }
    const bool terminated = result == SmsTextEncoding::Stored && stored < kSmsTextSlotSize;
    if (terminated) {
        Require(slot[stored] == kTextEnd);
    }
    for (std::size_t i = stored + (terminated ? 1 : 0); i < kSmsTextSlotSize; ++i) {
        Require(slot[i] == old[i]);
    }
}

// An accepted text decodes as the bytes it was stored as, and a text already in the form the
// decoder gives comes back unchanged.
void CheckAcceptedTextDecodes(const std::string& text, const std::vector<Item>& items,
                              const ExactSlot& slot) {
    const std::string decoded = DecodeSmsText(slot.view());
    Require(decoded == EditFormOf(StoredRun(slot)));
    const bool canonical = std::all_of(items.begin(), items.end(),
                                       [](const Item& item) { return item.IsCanonical(); });
    if (canonical) {
        Require(decoded == text);
    }
}

void CheckEncode(const SlotBytes& old, const std::string& text) {
    const ExactText exactText(text);
    ExactSlot slot(old);
    const SmsTextEncoding result = EncodeSmsText(exactText.view(), slot.slot());
    const std::vector<Item> items = ItemsOf(text);
    const ExpectedEncoding expected = ExpectedFor(items);
    Require(result == expected.result);
    CheckSlotWrites(old, slot, result, expected);
    if (result == SmsTextEncoding::Stored) {
        CheckAcceptedTextDecodes(text, items, slot);
    }
}

std::size_t EditFormCharacters(std::uint8_t storedByte) {
    return storedByte < kFirstVariableCode ? 1 : kCodeCharacters;
}

// A stored "$" that the edit form shows with three or more characters after it.
bool HasCodeMarkBeforeThreeCharacters(const std::vector<std::uint8_t>& run) {
    std::size_t charactersAfter = 0;
    for (auto byte = run.rbegin(); byte != run.rend(); ++byte) {
        if (*byte == kCodeMark && charactersAfter >= kCodeCharacters - 1) {
            return true;
        }
        charactersAfter += EditFormCharacters(*byte);
    }
    return false;
}

// A slot's edit form is stored again as the same bytes, unless a stored "$" is followed by
// three more characters: the edit form cannot tell that "$" from the start of a code.
void CheckDecode(const SlotBytes& bytes) {
    const ExactSlot slot(bytes);
    const std::string text = DecodeSmsText(slot.view());
    Require(text.size() <= kMaxDecodedCharacters);
    Require(std::all_of(text.begin(), text.end(), IsAscii));
    const std::vector<std::uint8_t> run = StoredRun(slot);

    ExactSlot again(bytes);
    Require(EncodeSmsText(ExactText(text).view(), again.slot()) == SmsTextEncoding::Stored);
    if (HasCodeMarkBeforeThreeCharacters(run)) {
        return;
    }
    Require(StoredRun(again) == run);
    if (run.size() < kSmsTextSlotSize) {
        Require(again[run.size()] == kTextEnd);
    }
    for (std::size_t i = run.size() + 1; i < kSmsTextSlotSize; ++i) {
        Require(again[i] == bytes[i]);
    }
}

SlotBytes ConsumeSlotBytes(FuzzedDataProvider& input) {
    SlotBytes bytes{};
    for (std::uint8_t& byte : bytes) {
        byte = input.ConsumeIntegral<std::uint8_t>();
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const SlotBytes bytes = ConsumeSlotBytes(input);
    CheckDecode(bytes);
    CheckEncode(bytes, input.ConsumeRemainingBytesAsString());
    return 0;
}
