// SMS texts, checked against the codec's own other half: any 40 slot bytes decode to at most 160
// ASCII characters that are stored again as the same bytes; any text is written into the slot
// from its start on and nothing after, ends with a byte 0 when stored shorter than the slot,
// and is stored again as the same bytes from the form it decodes to. A text without "$" is
// stored a byte per character. Input: the 40 slot bytes, then the text, which ends the input
// so that a read past its end is caught.

#include "editors/sms_text_codec.h"
#include "fuzz_require.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

// Exactly the slot's size, so a step outside it is caught.
using Slot = std::vector<std::uint8_t>;

constexpr std::size_t kMaxDecodedCharacters = 160;
constexpr std::uint8_t kTextEnd = 0;
constexpr std::uint8_t kErasedTextEnd = 0xFF;
constexpr char kCodeMark = '$';

bool IsAscii(char c) {
    return static_cast<std::uint8_t>(c) < 0x80;
}

Slot StoredRun(const Slot& slot) {
    return Slot(slot.begin(), std::find_if(slot.begin(), slot.end(), [](std::uint8_t byte) {
                    return byte == kTextEnd || byte == kErasedTextEnd;
                }));
}

std::string Decoded(const Slot& slot) {
    const std::string text = DecodeSmsText(ConstSmsTextSlot(slot.data(), kSmsTextSlotSize));
    Require(text.size() <= kMaxDecodedCharacters && std::all_of(text.begin(), text.end(), IsAscii));
    return text;
}

struct Stored {
    SmsTextEncoding result;
    Slot slot;
    std::size_t written = 0;
};

// Encodes over `old` and over its complement, so the bytes written show: the same in both, from
// the start of the slot on, and nothing else changed.
Stored Store(std::string_view text, const Slot& old) {
    Stored stored{SmsTextEncoding::Stored, old};
    Slot complement(old);
    std::for_each(complement.begin(), complement.end(), [](std::uint8_t& b) { b = ~b; });
    stored.result = EncodeSmsText(text, SmsTextSlot(stored.slot.data(), kSmsTextSlotSize));
    Require(EncodeSmsText(text, SmsTextSlot(complement.data(), kSmsTextSlotSize)) == stored.result);
    std::size_t& written = stored.written;
    while (written < old.size() && stored.slot[written] == complement[written]) {
        ++written;
    }
    Require(std::equal(stored.slot.begin() + static_cast<std::ptrdiff_t>(written),
                       stored.slot.end(), old.begin() + static_cast<std::ptrdiff_t>(written)));
    const bool full = written == old.size();
    Require(stored.result != SmsTextEncoding::TooLong || full);
    Require(stored.result != SmsTextEncoding::Stored || full ||
            stored.slot[written - 1] == kTextEnd);
    return stored;
}

// A stored "$" decodes as itself and is stored again as the start of a code.
void CheckStoredAgainFromDecoded(const Slot& slot) {
    const Slot run = StoredRun(slot);
    if (std::find(run.begin(), run.end(), kCodeMark) != run.end()) {
        return;
    }
    const Stored again = Store(Decoded(slot), slot);
    Require(again.result == SmsTextEncoding::Stored && StoredRun(again.slot) == run);
    Require(again.written == std::min(run.size() + 1, slot.size()));
}

// An ASCII character is stored as itself and a Polish letter as a plain letter; the first
// character the module cannot send stops the text there.
void CheckBytePerCharacter(std::string_view text, const Stored& stored) {
    for (std::size_t i = 0; i < std::min(stored.written, text.size()); ++i) {
        const std::uint8_t byte = stored.slot[i];
        Require(IsAscii(text[i]) ? byte == static_cast<std::uint8_t>(text[i]) : std::isalpha(byte));
    }
    switch (stored.result) {
    case SmsTextEncoding::Stored:
        Require(stored.written == std::min(text.size() + 1, stored.slot.size()));
        return;
    case SmsTextEncoding::TooLong:
        Require(text.size() > stored.slot.size());
        return;
    case SmsTextEncoding::ForbiddenCharacter:
        Require(stored.written < text.size() && !IsAscii(text[stored.written]));
        return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Slot slot(kSmsTextSlotSize);
    const std::size_t slotBytes = std::min(size, slot.size());
    std::copy_n(data, slotBytes, slot.begin());
    const std::string_view text(reinterpret_cast<const char*>(data) + slotBytes, size - slotBytes);

    Decoded(slot);
    CheckStoredAgainFromDecoded(slot);
    const Stored stored = Store(text, slot);
    if (stored.result == SmsTextEncoding::Stored) {
        CheckStoredAgainFromDecoded(stored.slot);
    }
    if (text.find(kCodeMark) == std::string_view::npos) {
        CheckBytePerCharacter(text, stored);
    }
    return 0;
}
