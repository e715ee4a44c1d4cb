#include "editors/temperature_codec.h"

int DecodeTemperature(std::uint8_t stored, int shownInstead) {
    const int celsius = static_cast<std::int8_t>(stored);
    return celsius < kMinTemperature || celsius > kMaxTemperature ? shownInstead : celsius;
}

std::uint8_t EncodeTemperature(int celsius) {
    return static_cast<std::uint8_t>(celsius & 0xFF);
}
