#include "config/image_layout.h"
#include "editors/flag_codec.h"
#include "editors/little_endian_codec.h"
#include "editors/network_code_codec.h"
#include "editors/phone_number_codec.h"
#include "editors/pin_codec.h"
#include "editors/temperature_codec.h"
#include "tools/grt8/report_fields.h"
#include "tools/grt8/report_sections.h"

namespace {

ReportField PhoneField(const ConfigImage& image, std::string key, std::string label,
                       std::size_t offset) {
    const std::string number =
        Utf8Of(DecodePhoneNumber(FieldBytes<kPhoneNumberSlotSize>(image, offset)));
    return WordField(std::move(key), std::move(label), number);
}

ReportField TemperatureField(const ConfigImage& image, std::string key, std::string label,
                             std::size_t offset, int shownInstead) {
    const std::uint8_t stored = image[offset];
    return ShownNumberField(std::move(key), std::move(label),
                            DecodeTemperature(stored, shownInstead),
                            static_cast<std::int8_t>(stored), "°C");
}

// 0 lets the module choose the network; erased memory means the same and is shown as 0.
ReportField NetworkCodeField(const ConfigImage& image) {
    const auto bytes = FieldBytes<2>(image, kNetworkCodeOffset);
    const int code = DecodeNetworkCode(bytes);
    return ShownNumberField("networkCode", "Kod sieci", code, ReadLittleEndian16(bytes),
                            code == 0 ? "(wybór automatyczny)" : "");
}

void AddNumbersAndPin(const ConfigImage& image, std::vector<ReportField>& fields) {
    fields.push_back(PhoneField(image, "smsc", "SMSC", kSmscSlotOffset));
    fields.push_back(PhoneField(image, "phone1", "Numer 1", kPhone1SlotOffset));
    fields.push_back(PhoneField(image, "phone2", "Numer 2", kPhone2SlotOffset));
    fields.push_back(PhoneField(image, "phone3", "Numer 3", kPhone3SlotOffset));
    fields.push_back(WordField("pin", "Numer PIN",
                               Utf8Of(DecodePin(FieldBytes<kPinFieldSize>(image, kPinOffset)))));
    fields.push_back(NetworkCodeField(image));
}

void AddSmsLimitAndReport(const ConfigImage& image, const SwitchBits& switches,
                          std::vector<ReportField>& fields) {
    fields.push_back(SwitchField("smsLimit.active", "Ograniczenie SMS",
                                 switches[kSmsLimitActiveBit], kActiveNeuter));
    fields.push_back(NumberField("smsLimit.max", "Ograniczenie SMS, max.", image[kSmsLimitOffset],
                                 "SMS między raportami"));
    fields.push_back(SwitchField("periodicReport.active", "Raport okresowy",
                                 switches[kPeriodicReportActiveBit], kActiveMasculine));
    fields.push_back(NumberField("periodicReport.minutes", "Raport okresowy, okres",
                                 ReadLittleEndian16(FieldBytes<2>(image, kReportPeriodOffset)),
                                 "minut"));
}

void AddThermostats(const ConfigImage& image, const SwitchBits& switches,
                    std::vector<ReportField>& fields) {
    fields.push_back(SwitchField("thermostat1.active", "Termostat T1/O5",
                                 switches[kThermostat1ActiveBit], kActiveMasculine));
    fields.push_back(TemperatureField(image, "thermostat1.low", "Termostat T1/O5, TL",
                                      kThermostat1LowOffset, kLowLimitInstead));
    fields.push_back(TemperatureField(image, "thermostat1.high", "Termostat T1/O5, TH",
                                      kThermostat1HighOffset, kHighLimitInstead));
    fields.push_back(SwitchField("temperature1.notify", "Powiadamianie o temperaturze T1",
                                 switches[kTemperature1NotifyBit], kActiveNeuter));
    fields.push_back(SwitchField("thermostat2.active", "Termostat T2/O4",
                                 IsBitSet(image[kSmsControlFlagsOffset], kThermostat2ActiveBit),
                                 kActiveMasculine));
    fields.push_back(TemperatureField(image, "thermostat2.low", "Termostat T2/O4, TL2",
                                      kThermostat2LowOffset, kLowLimitInstead));
    fields.push_back(TemperatureField(image, "thermostat2.high", "Termostat T2/O4, TH2",
                                      kThermostat2HighOffset, kHighLimitInstead));
    fields.push_back(SwitchField("temperature2.notify", "Powiadamianie o temperaturze T2",
                                 switches[kTemperature2NotifyBit], kActiveNeuter));
}

void AddOutputs(const ConfigImage& image, const SwitchBits& switches,
                std::vector<ReportField>& fields) {
    fields.push_back(SwitchField("disarmingL1", "Rozbrajanie L1", switches[kDisarmingL1ActiveBit],
                                 kActiveNeuter));
    fields.push_back(SwitchField("siren.active", "Sygnalizator O1", switches[kSirenActiveBit],
                                 kActiveMasculine));
    fields.push_back(NumberField("siren.seconds", "Sygnalizator O1, aktywny przez",
                                 image[kSirenTimeOffset], "s. od pobudzenia linii"));
    fields.push_back(SwitchField("outputRemanence", "Remanencja wyjść",
                                 switches[kOutputRemanenceBit], kActiveFeminine));
}

} // namespace

ReportSection GeneralSection(const ConfigImage& image) {
    const SwitchBits switches = DecodeSwitches(image[kSwitchesOffset]);
    ReportSection section{"Ustawienia ogólne", {}};
    AddNumbersAndPin(image, section.fields);
    AddSmsLimitAndReport(image, switches, section.fields);
    AddThermostats(image, switches, section.fields);
    AddOutputs(image, switches, section.fields);
    return section;
}
