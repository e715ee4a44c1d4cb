// SMS texts, checked against the codec's own other half: any 40 slot bytes decode to ASCII
// characters that are stored again as the same bytes; any text is written into the slot
// from its start and nothing after, ends with a byte 0 when stored shorter than the slot, and the
// form it decodes to is stored as the same bytes again; plain ASCII is stored when it fits.
// Input: the 40 slot bytes, then the text, which ends the input so that a read past its end is
// caught.

#include "editors/sms_text_codec.h"
#include "fuzz_require.h"

#include <algorithm>
#include <vector>

namespace {

// Exactly the slot's size, so a step outside it is caught.
using Slot = std::vector<std::uint8_t>;

constexpr std::uint8_t kTextEnd = 0;
constexpr char kCodeMark = '$';

bool IsAscii(char c) {
    return static_cast<std::uint8_t>(c) < 0x80;
}

struct Stored {
    SmsTextEncoding result;
    Slot slot;
    std::size_t written = 0;
};

// Stores over `old` and over its complement: the bytes written are those alike in both.
Stored Store(std::string_view text, const Slot& old) {
    Stored stored{SmsTextEncoding::Stored, old};
    Slot complement(old);
    std::for_each(complement.begin(), complement.end(), [](std::uint8_t& byte) { byte = ~byte; });
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

// A stored "$" decodes as itself, which is stored again as the start of a code.
void CheckStoredAgainFromDecoded(const Slot& slot) {
    const std::string text = DecodeSmsText(ConstSmsTextSlot(slot.data(), kSmsTextSlotSize));
    Require(std::all_of(text.begin(), text.end(), IsAscii));
    const Slot run(slot.begin(), std::find_if(slot.begin(), slot.end(), [](std::uint8_t byte) {
                       return byte == kTextEnd || byte == 0xFF;
                   }));
    if (std::find(run.begin(), run.end(), kCodeMark) == run.end()) {
        const Stored again = Store(text, slot);
        Require(again.result == SmsTextEncoding::Stored &&
                std::equal(run.begin(), run.end(), again.slot.begin()) &&
                again.written == std::min(run.size() + 1, slot.size()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Slot slot(kSmsTextSlotSize);
    const std::size_t slotBytes = std::min(size, slot.size());
    std::copy_n(data, slotBytes, slot.begin());
    const std::string_view text(reinterpret_cast<const char*>(data) + slotBytes, size - slotBytes);

    CheckStoredAgainFromDecoded(slot);
    const Stored stored = Store(text, slot);
    if (stored.result == SmsTextEncoding::Stored) {
        CheckStoredAgainFromDecoded(stored.slot);
    }
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return IsAscii(c) && c != kCodeMark && c != static_cast<char>(kTextEnd);
    });
    Require(!plain || (stored.result == SmsTextEncoding::Stored) == (text.size() <= slot.size()));
    return 0;
}
