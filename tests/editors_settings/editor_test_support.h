#pragma once

#include "config/config_image.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

// Every byte differs from its neighbours, so a write to a wrong place shows.
inline ConfigImage Pattern(int step) {
    ConfigImage image;
    for (std::size_t at = 0; at < image.size(); ++at) {
        image[at] = static_cast<std::uint8_t>(at * static_cast<std::size_t>(step) + 11);
    }
    return image;
}

// The image with the given bytes written at the given offsets.
inline ConfigImage Patched(ConfigImage image,
                           std::initializer_list<std::pair<std::size_t, std::string_view>> bytes) {
    for (const auto& [offset, values] : bytes) {
        std::ranges::copy(values, image.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return image;
}

// The check boxes of one byte of the image, from bit 0 on (0 where a bit has no box), and the
// other bits of the byte that OK keeps; it clears the rest.
struct ByteBoxes {
    std::size_t offset;
    std::uint8_t keptBits;
    std::vector<int> boxes;
};

// Sets one box's bit at a time, the other boxes' bits cleared, so two boxes swapped cannot hide
// behind equal bits: only that box shows ticked. Every box is then turned over, and OK must
// write each box's bit, keep only the kept bits of its byte and touch no other byte.
template <class Dialog>
void ExpectEachBoxOwnsItsBit(const ConfigImage& background, const std::vector<ByteBoxes>& bytes) {
    std::vector<std::tuple<int, std::size_t, std::uint8_t>> boxes;
    ConfigImage cleared = background;
    for (const auto& [offset, kept, ids] : bytes) {
        for (std::size_t bit = 0; bit < ids.size(); ++bit) {
            if (ids[bit] != 0) {
                boxes.emplace_back(ids[bit], offset, static_cast<std::uint8_t>(1U << bit));
                cleared[offset] &= static_cast<std::uint8_t>(~(1U << bit));
            }
        }
    }
    ConfigImage expected = cleared;
    for (const auto& [offset, kept, ids] : bytes) {
        expected[offset] &= kept;
    }
    for (const auto& [setId, setOffset, setMask] : boxes) {
        ConfigImage image = cleared;
        image[setOffset] |= setMask;
        ConfigImage written = expected;
        MessageBoxRecorder messages;
        Dialog dialog;
        dialog.SetImage(&image);
        dialog.ShowWindow(true);
        for (const auto& [id, offset, mask] : boxes) {
            const bool ticked = dialog.IsDlgButtonChecked(id);
            EXPECT_EQ(ticked, id == setId) << "box " << id << ", bit of " << setId;
            dialog.CheckDlgButton(id, !ticked);
            written[offset] |= ticked ? 0 : mask;
        }
        dialog.SendCommand(IDOK);
        EXPECT_EQ(messages.texts, std::vector<std::string>{});
        EXPECT_EQ(image, written) << "bit of " << setId;
    }
}
