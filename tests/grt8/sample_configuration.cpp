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
    EncodeSmsText(text, Bytes<kSmsTextSlotSize>(image, offsets::kFirstText + slot * 40));
}

void PutPhoneNumber(ConfigImage& image, std::size_t offset, std::u32string_view number) {
    EncodePhoneNumber(number, Bytes<kPhoneNumberSlotSize>(image, offset));
}

ConfigImage SampleConfiguration() {
    using namespace offsets;
    ConfigImage image{};
    PutPhoneNumber(image, kSmsc, U"+48602951111");
    PutPhoneNumber(image, kPhone1, U"*123");
    PutPhoneNumber(image, kPhone2, U"600100200");
    EncodePin(U"1234", Bytes<kPinFieldSize>(image, kPin));
    EncodeNetworkCode(26003, Bytes<2>(image, kNetworkCode));
    image[kSmsLimit] = 10;
    WriteLittleEndian16(1440, Bytes<2>(image, kReportPeriod));
    image[kThermostat1Low] = EncodeTemperature(-25);
    image[kThermostat1High] = EncodeTemperature(120);
    image[kThermostat2Low] = EncodeTemperature(5);
    image[kThermostat2High] = EncodeTemperature(30);
    image[kSirenTime] = 30;
    image[kSwitches] = EncodeSwitches({true, true, true, true, true, true, false, false});
    image[kFirstLine] = EncodeLineFlags({true, false, true, true, false});
    image[kFirstLine + 9] = EncodeLineFlags({false, false, false, false, true});
    image[kReportFlags] = 0x13;
    image[kClipFlags] = 0x24;
    image[kSharedFlags] = 0x11;
    PutText(image, 0, "Alarm $170");
    PutText(image, 2, "Drzwi");
    PutText(image, 10, "Stan $200");
    return image;
}

bool SaveConfiguration(const std::filesystem::path& path, ConfigImage image) {
    return WriteConfigFile(path, image);
}
