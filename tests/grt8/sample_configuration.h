#pragma once

#include "config/config_image.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

// Offsets of the settings the samples set, as the module's memory lays them out.
namespace offsets {
inline constexpr std::size_t kNetworkCode = 3;
inline constexpr std::size_t kPin = 6;
inline constexpr std::size_t kSmsc = 10;
inline constexpr std::size_t kPhone1 = 20;
inline constexpr std::size_t kPhone2 = 30;
inline constexpr std::size_t kPhone3 = 40;
inline constexpr std::size_t kFirstText = 50;
inline constexpr std::size_t kReportText = 450;
inline constexpr std::size_t kFirstLine = 490;
inline constexpr std::size_t kReportFlags = 500;
inline constexpr std::size_t kReportPeriod = 501;
inline constexpr std::size_t kClipFlags = 503;
inline constexpr std::size_t kThermostat1Low = 504;
inline constexpr std::size_t kThermostat1High = 505;
inline constexpr std::size_t kSharedFlags = 506;
inline constexpr std::size_t kThermostat2Low = 507;
inline constexpr std::size_t kThermostat2High = 508;
inline constexpr std::size_t kSmsLimit = 509;
inline constexpr std::size_t kSwitches = 510;
inline constexpr std::size_t kSirenTime = 511;
} // namespace offsets

template <std::size_t Size>
std::span<std::uint8_t, Size> Bytes(ConfigImage& image, std::size_t at) {
    return std::span<std::uint8_t, Size>(image.data() + at, Size);
}

// A configuration with every kind of setting away from zero, made with the editors' own
// encoders:
//   SMSC +48602951111, Numer 1 *123, Numer 2 600100200, Numer 3 empty, PIN 1234,
//   network code 26003, SMS limit active at 10, periodic report active every 1440 minutes,
//   thermostat T1/O5 active from -25 to 120 °C with notification, thermostat T2/O4 off from
//   5 to 30 °C without, disarming by L1 and the siren for 30 s active, no remanence;
//   line 1 to TEL1 and TEL3 on NO, line 10 on NC alone;
//   report to TEL1 and TEL2 with the power source option, CLIP from TEL3 with the O2 pulse,
//   SMS control from TEL1 and any number;
//   text of line 1 "Alarm $170", of line 3 "Drzwi", report text "Stan $200".
ConfigImage SampleConfiguration();

// Writes the text into text slot `slot` (0 for line 1, 10 for the report).
void PutText(ConfigImage& image, std::size_t slot, std::string_view text);
void PutPhoneNumber(ConfigImage& image, std::size_t offset, std::u32string_view number);

// Saved as the console saves it; false when the file could not be written.
bool SaveConfiguration(const std::filesystem::path& path, ConfigImage image);
