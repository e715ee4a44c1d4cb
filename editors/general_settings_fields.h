#pragma once

#include <cstddef>

// Where the general settings live in the configuration image.
namespace general_settings {

inline constexpr std::size_t kNetworkCodeOffset = 3;
inline constexpr std::size_t kPinOffset = 6;
inline constexpr std::size_t kSmscSlotOffset = 10;
inline constexpr std::size_t kPhone1SlotOffset = 20;
inline constexpr std::size_t kPhone2SlotOffset = 30;
inline constexpr std::size_t kPhone3SlotOffset = 40;
inline constexpr std::size_t kReportPeriodOffset = 501;
inline constexpr std::size_t kThermostat1LowOffset = 504;
inline constexpr std::size_t kThermostat1HighOffset = 505;
// Shared with the reports and control settings, which own the other bits.
inline constexpr std::size_t kSharedFlagsOffset = 506;
inline constexpr int kThermostat2ActiveBit = 5;
inline constexpr std::size_t kThermostat2LowOffset = 507;
inline constexpr std::size_t kThermostat2HighOffset = 508;
inline constexpr std::size_t kSmsLimitOffset = 509;
inline constexpr std::size_t kSwitchesOffset = 510;
inline constexpr std::size_t kSirenTimeOffset = 511;

} // namespace general_settings
