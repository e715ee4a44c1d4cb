#include "editors/network_code_codec.h"

#include "editors/little_endian_codec.h"

namespace {

constexpr std::uint16_t kErased = 0xFFFF;
constexpr int kAutomaticChoice = 0;

} // namespace

int DecodeNetworkCode(std::span<const std::uint8_t, 2> bytes) {
    const std::uint16_t code = ReadLittleEndian16(bytes);
    return code == kErased ? kAutomaticChoice : code;
}

void EncodeNetworkCode(int code, std::span<std::uint8_t, 2> bytes) {
    WriteLittleEndian16(static_cast<std::uint16_t>(code), bytes);
}
