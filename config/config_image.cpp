#include "config/config_image.h"

#include "config/check_word.h"

#include <span>

std::uint16_t ComputeCheckWord(const ConfigImage& image) {
    return Crc16(std::span(image).first(kCheckWordOffset));
}

void StoreCheckWord(ConfigImage& image) {
    const std::uint16_t word = ComputeCheckWord(image);
    image[kCheckWordOffset] = static_cast<std::uint8_t>(word >> 8);
    image[kCheckWordOffset + 1] = static_cast<std::uint8_t>(word & 0xFF);
}

bool CheckWordMatches(const ConfigImage& image) {
    const unsigned stored = image[kCheckWordOffset] * 256u + image[kCheckWordOffset + 1];
    return ComputeCheckWord(image) == stored;
}

void Clear(ConfigImage& image) {
    image.fill(0);
}
