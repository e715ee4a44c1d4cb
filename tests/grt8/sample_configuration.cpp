#include "sample_configuration.h"

#include "config/config_file.h"
#include "editors/flag_codec.h"
#include "editors/little_endian_codec.h"
#include "editors/network_code_codec.h"
#include "editors/phone_number_codec.h"
#include "editors/pin_codec.h"
#include "editors/sms_text_codec.h"
#include "editors/temperature_codec.h"

void PutText(ConfigImage& image, std::size_t slot, std::string_view text) {
    EncodeSmsText(text, FieldBytes<kSmsTextSlotSize>(image, SmsTextOffset(slot)));
}

void PutPhoneNumber(ConfigImage& image, std::size_t offset, std::u32string_view number) {
    EncodePhoneNumber(number, FieldBytes<kPhoneNumberSlotSize>(image, offset));
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

bool SaveConfiguration(const std::filesystem::path& path, ConfigImage image) {
    return WriteConfigFile(path, image);
}
