#include "sample_configuration.h"

#include "config/config_file.h"
#include "editors/flag_codec.h"
#include "editors/little_endian_codec.h"
#include "editors/network_code_codec.h"
#include "editors/phone_number_codec.h"
#include "editors/pin_codec.h"
#include "editors/sms_text_codec.h"
#include "editors/temperature_codec.h"

#include <algorithm>

namespace {

void PutPhoneNumber(ConfigImage& image, std::size_t offset, std::u32string_view number) {
    EncodePhoneNumber(number, FieldBytes<kPhoneNumberSlotSize>(image, offset));
}

void Erase(ConfigImage& image, std::size_t offset, std::size_t length) {
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(offset), length, 0xFF);
}

} // namespace

void PutText(ConfigImage& image, std::size_t slot, std::string_view text) {
    EncodeSmsText(text, FieldBytes<kSmsTextSlotSize>(image, SmsTextOffset(slot)));
}

ConfigImage SampleConfiguration() {
    ConfigImage image{};
    PutPhoneNumber(image, kSmscSlotOffset, U"+48602951111");
    PutPhoneNumber(image, kPhone1SlotOffset, U"*123");
    PutPhoneNumber(image, kPhone2SlotOffset, U"600100200");
    EncodePin(U"1234", FieldBytes<kPinFieldSize>(image, kPinOffset));
    EncodeNetworkCode(26003, FieldBytes<2>(image, kNetworkCodeOffset));
    image[kSmsLimitOffset] = 10;
    WriteLittleEndian16(1440, FieldBytes<2>(image, kReportPeriodOffset));
    image[kThermostat1LowOffset] = EncodeTemperature(-25);
    image[kThermostat1HighOffset] = EncodeTemperature(120);
    image[kThermostat2LowOffset] = EncodeTemperature(5);
    image[kThermostat2HighOffset] = EncodeTemperature(30);
    image[kSirenTimeOffset] = 30;
    image[kSwitchesOffset] = EncodeSwitches({true, true, true, true, true, true, false, false});
    image[kLineSettingsOffset] = EncodeLineFlags({true, false, true, true, false});
    image[kLineSettingsOffset + 9] = EncodeLineFlags({false, false, false, false, true});
    image[kReportFlagsOffset] = 0x13;
    image[kClipFlagsOffset] = 0x24;
    image[kSmsControlFlagsOffset] = 0x11;
    PutText(image, 0, "Alarm $170");
    PutText(image, 2, "Drzwi");
    PutText(image, 10, "Stan $200");
    return image;
}

ConfigImage OddConfiguration() {
    ConfigImage image = SampleConfiguration();
    Erase(image, kSmscSlotOffset, kPhoneNumberSlotSize);
    Erase(image, kPinOffset, kPinFieldSize);
    Erase(image, kNetworkCodeOffset, 2);
    Erase(image, kReportPeriodOffset, 2);
    Erase(image, SmsTextOffset(3), kSmsTextSlotSize);
    PutPhoneNumber(image, kPhone1SlotOffset, U"+48600111222");
    image[kSmsLimitOffset] = 255;
    image[kSirenTimeOffset] = 7;
    image[kThermostat1LowOffset] = 121;
    image[kThermostat1HighOffset] = 0xFF;
    image[kThermostat2HighOffset] = static_cast<std::uint8_t>(-26);
    image[kSwitchesOffset] = 0x95;
    image[kLineSettingsOffset + 4] = 0xFF;
    image[kLineSettingsOffset + 7] = 0xC8;
    image[kLineSettingsOffset + 8] = 0x37;
    image[kReportFlagsOffset] = 0x30;
    image[kClipFlagsOffset] = 0x53;
    image[kSmsControlFlagsOffset] = 0x26;
    PutText(image, 4, " \"a\\b\x1c\x7f ");
    PutText(image, 9, std::string(40, 'x'));
    PutText(image, 10, "Okno $170");
    return image;
}

bool SaveConfiguration(const std::filesystem::path& path, ConfigImage image) {
    return WriteConfigFile(path, image);
}
