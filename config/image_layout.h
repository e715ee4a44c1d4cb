#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Where each setting lives in the configuration image, which is the module's memory map. The
// editors and grt8's report find their fields here and nowhere else. 16-bit numbers are kept
// low byte first.

// The `Size` bytes of the field at `offset`, as the conversions take them.
template <std::size_t Size, class Image> auto FieldBytes(Image& image, std::size_t offset) {
    return std::span(image).subspan(offset).template first<Size>();
}

// GSM network code; 0 lets the module choose the network.
inline constexpr std::size_t kNetworkCodeOffset = 3;

// The SIM PIN, one byte per character.
inline constexpr std::size_t kPinOffset = 6;
inline constexpr std::size_t kPinFieldSize = 4;

// Telephone numbers: digit count, type of number, digits as semi-octets.
inline constexpr std::size_t kPhoneNumberSlotSize = 10;
inline constexpr std::size_t kSmscSlotOffset = 10;
inline constexpr std::size_t kPhone1SlotOffset = 20;
inline constexpr std::size_t kPhone2SlotOffset = 30;
inline constexpr std::size_t kPhone3SlotOffset = 40;

// The notification texts follow each other without gaps: lines 1 to 10, then the report.
inline constexpr std::size_t kSmsTextsOffset = 50;
inline constexpr std::size_t kSmsTextSlotSize = 40;
inline constexpr std::size_t kLineTextCount = 10;
// Texts are counted from 0: line n's text is n - 1, the report's comes last.
inline constexpr std::size_t kReportText = kLineTextCount;
inline constexpr std::size_t kSmsTextCount = kLineTextCount + 1;

constexpr std::size_t SmsTextOffset(std::size_t text) {
    return kSmsTextsOffset + text * kSmsTextSlotSize;
}

// One byte per input line, line 1 first. Its bits say which telephones the line reports to and
// which edge of its input activates it, in the order TEL1, TEL2, TEL3, NO, NC; the other bits
// mean nothing.
inline constexpr std::size_t kLineSettingsOffset = 490;
inline constexpr std::size_t kInputLineCount = 10;
inline constexpr std::array<int, 5> kLineColumnBits = {0, 1, 2, 4, 5};

// The reports and control flags: in each of the three bytes bits 0-2 stand for TEL1 to TEL3.
inline constexpr std::size_t kReportFlagsOffset = 500;
inline constexpr std::size_t kClipFlagsOffset = 503;
inline constexpr std::size_t kSmsControlFlagsOffset = 506;
inline constexpr std::array<int, 3> kTelephoneBits = {0, 1, 2};
// Of the CLIP and SMS control bytes; in the report byte the same bit is the power source option.
inline constexpr int kAnyNumberBit = 4;
inline constexpr int kPowerSourceBit = 4;
inline constexpr int kOutputsBit = 5;
inline constexpr int kPulseO2Bit = 5;
inline constexpr int kIgnoreInputsBit = 6;
// The SMS control byte is shared: bit 5 is the T2/O4 thermostat switch of the general settings
// and bits 6 and 7 belong to nobody, so the reports and control settings keep all three.
inline constexpr int kThermostat2ActiveBit = 5;
inline constexpr std::uint8_t kSmsControlForeignBits = 0xE0;

// The general settings' numbers; thermostat limits are signed.
inline constexpr std::size_t kReportPeriodOffset = 501;
inline constexpr std::size_t kThermostat1LowOffset = 504;
inline constexpr std::size_t kThermostat1HighOffset = 505;
inline constexpr std::size_t kThermostat2LowOffset = 507;
inline constexpr std::size_t kThermostat2HighOffset = 508;
inline constexpr std::size_t kSmsLimitOffset = 509;
inline constexpr std::size_t kSirenTimeOffset = 511;

// Eight general switches in one byte.
inline constexpr std::size_t kSwitchesOffset = 510;
enum SwitchBit : int {
    kSmsLimitActiveBit,
    kPeriodicReportActiveBit,
    kThermostat1ActiveBit,
    kDisarmingL1ActiveBit,
    kSirenActiveBit,
    kTemperature1NotifyBit,
    kTemperature2NotifyBit,
    kOutputRemanenceBit,
};
