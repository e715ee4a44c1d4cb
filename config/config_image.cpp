#include "config/config_image.h"

#include "config/check_word.h"

#include <span>

std::uint16_t ComputeCheckWord(const ConfigImage& image) {
    return Crc16(std::span(image).first(kCheckWordOffset));
}

std::uint16_t StoredCheckWord(const ConfigImage& image) {
    return static_cast<std::uint16_t>(image[kCheckWordOffset] << 8 | image[kCheckWordOffset + 1]);
}

void StoreCheckWord(ConfigImage& image) {
    const std::uint16_t word = ComputeCheckWord(image);
    image[kCheckWordOffset] = static_cast<std::uint8_t>(word >> 8);
    image[kCheckWordOffset + 1] = static_cast<std::uint8_t>(word & 0xFF);
}

bool CheckWordMatches(const ConfigImage& image) {
    return ComputeCheckWord(image) == StoredCheckWord(image);
}

void Clear(ConfigImage& image) {
    image.fill(0);
}
