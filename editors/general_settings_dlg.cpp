#include "editors/general_settings_dlg.h"

#include "config/image_layout.h"
#include "editors/little_endian_codec.h"
#include "editors/network_code_codec.h"
#include "editors/phone_number_codec.h"
#include "editors/pin_codec.h"
#include "editors/temperature_codec.h"
#include "editors/utf8_codec.h"
#include "platform/data_exchange.h"
#include "resources/resource_ids.h"

#include <array>
#include <utility>

namespace {

constexpr int kMaxPhoneNumberChars = 14;
constexpr int kMaxPinChars = 4;
constexpr int kMaxByte = 255;
constexpr int kMaxWord = 65535;

// The check boxes of the switch byte and their bits.
constexpr std::pair<SwitchBit, int> kSwitchBoxes[] = {
    {kSmsLimitActiveBit, IDC_SMS_LIMIT_ACTIVE},
    {kPeriodicReportActiveBit, IDC_PERIODIC_REPORT_ACTIVE},
    {kThermostat1ActiveBit, IDC_THERMOSTAT_1_ACTIVE},
    {kDisarmingL1ActiveBit, IDC_DISARMING_L1_ACTIVE},
    {kSirenActiveBit, IDC_SIREN_ACTIVE},
    {kTemperature1NotifyBit, IDC_TEMPERATURE_1_NOTIFY},
    {kTemperature2NotifyBit, IDC_TEMPERATURE_2_NOTIFY},
    {kOutputRemanenceBit, IDC_OUTPUT_REMANENCE}};

struct OperatorNumber {
    int buttonId;
    const char* smscNumber;
};

constexpr std::array<OperatorNumber, 4> kOperatorNumbers = {{
    {IDC_OPERATOR_T_MOBILE, "+48602951111"},
    {IDC_OPERATOR_ORANGE, "+48501200777"},
    {IDC_OPERATOR_PLUS, "+48601000310"},
    {IDC_OPERATOR_PLAY, "+48790998250"},
}};

template <std::size_t Offset, class Image> auto PhoneSlot(Image& image) {
    return FieldBytes<kPhoneNumberSlotSize>(image, Offset);
}

std::string PhoneNumberText(ConstPhoneNumberSlot slot) {
    return Utf8FromUtf32(DecodePhoneNumber(slot));
}

// A check of the editor's own, placed among the framework's checks of the same exchange.
void Require(CDataExchange& dx, int controlId, bool passed, const std::string& message) {
    if (dx.Active() && dx.m_bSaveAndValidate && !passed) {
        dx.PrepareControl(controlId);
        dx.Fail(message);
    }
}

void ExchangePhoneNumber(CDataExchange& dx, int controlId, std::string& text) {
    DDX_Text(dx, controlId, text);
    DDV_MaxChars(dx, text, kMaxPhoneNumberChars);
    Require(dx, controlId, IsStorablePhoneNumber(Utf32FromUtf8(text)),
            "Niewłaściwy numer telefonu. Dozwolone są tylko cyfry, na początku + lub *.");
}

void ExchangePin(CDataExchange& dx, std::string& pin) {
    DDX_Text(dx, IDC_PIN, pin);
    DDV_MaxChars(dx, pin, kMaxPinChars);
    Require(dx, IDC_PIN, IsStorablePin(Utf32FromUtf8(pin)), "Numer PIN może zawierać tylko cyfry.");
}

void ExchangeNumber(CDataExchange& dx, int controlId, int& value, int maxValue) {
    DDX_Text(dx, controlId, value);
    DDV_MinMaxInt(dx, value, 0, maxValue);
}

// The limits are read before they are range-checked, so the range check names its box itself.
void CheckTemperature(CDataExchange& dx, int controlId, int celsius) {
    dx.PrepareControl(controlId);
    DDV_MinMaxInt(dx, celsius, kMinTemperature, kMaxTemperature);
}

} // namespace

CGeneralSettingsDlg::CGeneralSettingsDlg(CDialog* parent) : CDialog(IDD_GENERAL_SETTINGS, parent) {
    for (const OperatorNumber& entry : kOperatorNumbers) {
        AddCommandHandler(entry.buttonId, [this, entry] { PutOperatorNumber(entry.smscNumber); });
    }
}

// Values are taken over and checked in this order, which decides the message a technician sees
// when several boxes are wrong at once.
void CGeneralSettingsDlg::DoDataExchange(CDataExchange& dx) {
    // Check boxes cannot fail, so a failed check elsewhere never throws away their changes.
    for (const auto& [bit, controlId] : kSwitchBoxes) {
        DDX_Check(dx, controlId, m_switches[bit]);
    }
    DDX_Check(dx, IDC_THERMOSTAT_2_ACTIVE, m_bThermostat2Active);
    ExchangePhoneNumber(dx, IDC_PHONE_1, m_strPhone1);
    ExchangePhoneNumber(dx, IDC_PHONE_2, m_strPhone2);
    ExchangePhoneNumber(dx, IDC_PHONE_3, m_strPhone3);
    ExchangePhoneNumber(dx, IDC_SMSC_NUMBER, m_strSmscNumber);
    ExchangeNumber(dx, IDC_SMS_LIMIT, m_nSmsLimit, kMaxByte);
    ExchangeNumber(dx, IDC_REPORT_PERIOD, m_nReportPeriod, kMaxWord);
    DDX_Text(dx, IDC_THERMOSTAT_1_HIGH, m_nThermostat1High);
    DDX_Text(dx, IDC_THERMOSTAT_1_LOW, m_nThermostat1Low);
    CheckTemperature(dx, IDC_THERMOSTAT_1_LOW, m_nThermostat1Low);
    CheckTemperature(dx, IDC_THERMOSTAT_1_HIGH, m_nThermostat1High);
    ExchangeNumber(dx, IDC_SIREN_TIME, m_nSirenTime, kMaxByte);
    DDX_Text(dx, IDC_THERMOSTAT_2_LOW, m_nThermostat2Low);
    DDX_Text(dx, IDC_THERMOSTAT_2_HIGH, m_nThermostat2High);
    CheckTemperature(dx, IDC_THERMOSTAT_2_LOW, m_nThermostat2Low);
    CheckTemperature(dx, IDC_THERMOSTAT_2_HIGH, m_nThermostat2High);
    ExchangePin(dx, m_strPin);
    ExchangeNumber(dx, IDC_NETWORK_CODE, m_nNetworkCode, kMaxWord);
}

void CGeneralSettingsDlg::OnShowWindow() {
    if (m_pImage != nullptr) {
        LoadFromImage(*m_pImage);
    }
    UpdateData(false);
}

void CGeneralSettingsDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    if (m_pImage != nullptr) {
        StoreIntoImage(*m_pImage);
    }
    EndDialog(IDOK);
}

// Takes over what is in the boxes first, so that nothing typed so far is lost. A failed check
// stops the taking over, and the boxes it did not reach show their previous values again. The
// image is written only by OK.
void CGeneralSettingsDlg::PutOperatorNumber(const std::string& smscNumber) {
    UpdateData(true);
    m_strSmscNumber = smscNumber;
    UpdateData(false);
}

void CGeneralSettingsDlg::LoadFromImage(const ConfigImage& image) {
    m_strSmscNumber = PhoneNumberText(PhoneSlot<kSmscSlotOffset>(image));
    m_strPhone1 = PhoneNumberText(PhoneSlot<kPhone1SlotOffset>(image));
    m_strPhone2 = PhoneNumberText(PhoneSlot<kPhone2SlotOffset>(image));
    m_strPhone3 = PhoneNumberText(PhoneSlot<kPhone3SlotOffset>(image));
    m_nThermostat1Low = DecodeTemperature(image[kThermostat1LowOffset], kLowLimitInstead);
    m_nThermostat1High = DecodeTemperature(image[kThermostat1HighOffset], kHighLimitInstead);
    m_nReportPeriod = ReadLittleEndian16(FieldBytes<2>(image, kReportPeriodOffset));
    m_nSmsLimit = image[kSmsLimitOffset];
    m_switches = DecodeSwitches(image[kSwitchesOffset]);
    m_nThermostat2Low = DecodeTemperature(image[kThermostat2LowOffset], kLowLimitInstead);
    m_nThermostat2High = DecodeTemperature(image[kThermostat2HighOffset], kHighLimitInstead);
    m_nSirenTime = image[kSirenTimeOffset];
    m_nNetworkCode = DecodeNetworkCode(FieldBytes<2>(image, kNetworkCodeOffset));
    m_bThermostat2Active = IsBitSet(image[kSmsControlFlagsOffset], kThermostat2ActiveBit);
    m_strPin = Utf8FromUtf32(DecodePin(FieldBytes<kPinFieldSize>(image, kPinOffset)));
}

void CGeneralSettingsDlg::StoreIntoImage(ConfigImage& image) const {
    EncodePhoneNumber(Utf32FromUtf8(m_strSmscNumber), PhoneSlot<kSmscSlotOffset>(image));
    EncodePhoneNumber(Utf32FromUtf8(m_strPhone1), PhoneSlot<kPhone1SlotOffset>(image));
    EncodePhoneNumber(Utf32FromUtf8(m_strPhone2), PhoneSlot<kPhone2SlotOffset>(image));
    EncodePhoneNumber(Utf32FromUtf8(m_strPhone3), PhoneSlot<kPhone3SlotOffset>(image));
    EncodePin(Utf32FromUtf8(m_strPin), FieldBytes<kPinFieldSize>(image, kPinOffset));
    image[kThermostat1LowOffset] = EncodeTemperature(m_nThermostat1Low);
    image[kThermostat1HighOffset] = EncodeTemperature(m_nThermostat1High);
    WriteLittleEndian16(static_cast<std::uint16_t>(m_nReportPeriod),
                        FieldBytes<2>(image, kReportPeriodOffset));
    image[kSmsLimitOffset] = static_cast<std::uint8_t>(m_nSmsLimit);
    image[kSwitchesOffset] = EncodeSwitches(m_switches);
    image[kThermostat2LowOffset] = EncodeTemperature(m_nThermostat2Low);
    image[kThermostat2HighOffset] = EncodeTemperature(m_nThermostat2High);
    image[kSirenTimeOffset] = static_cast<std::uint8_t>(m_nSirenTime);
    EncodeNetworkCode(m_nNetworkCode, FieldBytes<2>(image, kNetworkCodeOffset));
    image[kSmsControlFlagsOffset] =
        WithBit(image[kSmsControlFlagsOffset], kThermostat2ActiveBit, m_bThermostat2Active);
}
