#include "editors/general_settings_dlg.h"

#include "config/image_layout.h"
#include "editors/phone_number_codec.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int kSwitchBoxes[] = {IDC_SMS_LIMIT_ACTIVE,     IDC_PERIODIC_REPORT_ACTIVE,
                                IDC_THERMOSTAT_1_ACTIVE,  IDC_DISARMING_L1_ACTIVE,
                                IDC_SIREN_ACTIVE,         IDC_TEMPERATURE_1_NOTIFY,
                                IDC_TEMPERATURE_2_NOTIFY, IDC_OUTPUT_REMANENCE};

const std::string kBadPhone =
    "Niewłaściwy numer telefonu. Dozwolone są tylko cyfry, na początku + lub *.";

// Every field in its plain form, surrounded by bytes the editor must not touch.
ConfigImage SampleImage() {
    ConfigImage image;
    for (std::size_t at = 0; at < image.size(); ++at) {
        image[at] = static_cast<std::uint8_t>(at * 37 + 11);
    }
    EncodePhoneNumber(U"+48602951111", FieldBytes<kPhoneNumberSlotSize>(image, kSmscSlotOffset));
    EncodePhoneNumber(U"601234567", FieldBytes<kPhoneNumberSlotSize>(image, kPhone1SlotOffset));
    EncodePhoneNumber(U"*123", FieldBytes<kPhoneNumberSlotSize>(image, kPhone2SlotOffset));
    EncodePhoneNumber(U"", FieldBytes<kPhoneNumberSlotSize>(image, kPhone3SlotOffset));
    image[kPinOffset] = '1', image[kPinOffset + 1] = '2', image[kPinOffset + 2] = 0;
    image[kNetworkCodeOffset] = 0x93, image[kNetworkCodeOffset + 1] = 0x65;
    image[kReportPeriodOffset] = 0xA0, image[kReportPeriodOffset + 1] = 0x05;
    image[kThermostat1LowOffset] = 0xE7, image[kThermostat1HighOffset] = 120;
    image[kThermostat2LowOffset] = 0, image[kThermostat2HighOffset] = 30;
    image[kSmsControlFlagsOffset] = 0b1101'0110, image[kSmsLimitOffset] = 20;
    image[kSwitchesOffset] = 0b1010'0101, image[kSirenTimeOffset] = 90;
    return image;
}

class GeneralSettingsDlgTest : public ::testing::Test {
protected:
    void Open() {
        dialog.SetImage(&image);
        dialog.ShowWindow(true);
    }
    std::string Text(int id) { return dialog.ItemText(id); }
    // Puts a text into a box, past its typing limit too.
    void Force(int id, const std::string& text) { dialog.SetItemText(id, text); }
    void ExpectRefused(const std::string& message, int focusedId) {
        EXPECT_EQ(messages.texts, std::vector<std::string>{message});
        EXPECT_EQ(dialog.FocusedItemId(), focusedId);
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_EQ(image, before);
    }

    MessageBoxRecorder messages;
    ConfigImage image = SampleImage();
    const ConfigImage before = image;
    CGeneralSettingsDlg dialog;
};

TEST_F(GeneralSettingsDlgTest, ShowsTheImageAndWritesItBackUnchanged) {
    Open();
    EXPECT_EQ(Text(IDC_SMSC_NUMBER), "+48602951111");
    EXPECT_EQ(Text(IDC_PHONE_1), "601234567");
    EXPECT_EQ(Text(IDC_PHONE_2), "*123");
    EXPECT_EQ(Text(IDC_PHONE_3), "");
    EXPECT_EQ(Text(IDC_PIN), "12");
    EXPECT_EQ(Text(IDC_NETWORK_CODE), "26003");
    EXPECT_EQ(Text(IDC_REPORT_PERIOD), "1440");
    EXPECT_EQ(Text(IDC_THERMOSTAT_1_LOW), "-25");
    EXPECT_EQ(Text(IDC_THERMOSTAT_2_HIGH), "30");
    const std::vector<bool> expectedSwitches = {true, false, true, false, false, true, false, true};
    for (std::size_t bit = 0; bit < expectedSwitches.size(); ++bit) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(kSwitchBoxes[bit]), expectedSwitches[bit]);
    }
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_THERMOSTAT_2_ACTIVE));
    dialog.SendCommand(IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(image, before);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(GeneralSettingsDlgTest, WritesEachFieldAndOnlyItsOwnBytes) {
    Open();
    dialog.SetItemText(IDC_SMSC_NUMBER, "*123");
    dialog.SetItemText(IDC_PHONE_3, " 602951111");
    dialog.SetItemText(IDC_PIN, "");
    dialog.SetItemText(IDC_NETWORK_CODE, "65535");
    dialog.SetItemText(IDC_THERMOSTAT_1_HIGH, " -1 ");
    dialog.SetItemText(IDC_REPORT_PERIOD, "258");
    dialog.CheckDlgButton(IDC_OUTPUT_REMANENCE, false);
    dialog.CheckDlgButton(IDC_THERMOSTAT_2_ACTIVE, true);
    dialog.SendCommand(IDOK);

    ConfigImage expected = before;
    const std::uint8_t smsc[] = {0x03, 0xA1, 0x21, 0xF3};
    std::copy(std::begin(smsc), std::end(smsc), expected.begin() + kSmscSlotOffset);
    const std::uint8_t phone3[] = {0x09, 0x81, 0x06, 0x92, 0x15, 0x11, 0xF1};
    std::copy(std::begin(phone3), std::end(phone3), expected.begin() + kPhone3SlotOffset);
    expected[kPinOffset] = 0;
    expected[kNetworkCodeOffset] = 0xFF, expected[kNetworkCodeOffset + 1] = 0xFF;
    expected[kThermostat1HighOffset] = 0xFF;
    expected[kReportPeriodOffset] = 0x02, expected[kReportPeriodOffset + 1] = 0x01;
    expected[kSwitchesOffset] = 0b0010'0101;
    expected[kSmsControlFlagsOffset] = 0b1111'0110;
    EXPECT_EQ(image, expected);
}

TEST_F(GeneralSettingsDlgTest, RepairsWhatTheBoxesCannotShowAndWritesItOnlyOnOk) {
    image.fill(0xFF);
    const ConfigImage erased = image;
    Open();
    for (const int id : {IDC_SMSC_NUMBER, IDC_PHONE_1, IDC_PHONE_2, IDC_PHONE_3, IDC_PIN}) {
        EXPECT_EQ(Text(id), "") << id;
    }
    EXPECT_EQ(Text(IDC_NETWORK_CODE), "0");
    for (const int id : {IDC_THERMOSTAT_1_LOW, IDC_THERMOSTAT_1_HIGH, IDC_THERMOSTAT_2_LOW,
                         IDC_THERMOSTAT_2_HIGH}) {
        EXPECT_EQ(Text(id), "-1") << id;
    }
    EXPECT_EQ(Text(IDC_SMS_LIMIT), "255");
    EXPECT_EQ(Text(IDC_REPORT_PERIOD), "65535");
    EXPECT_EQ(Text(IDC_SIREN_TIME), "255");
    for (const int id : kSwitchBoxes) {
        EXPECT_TRUE(dialog.IsDlgButtonChecked(id)) << id;
    }
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_THERMOSTAT_2_ACTIVE));
    dialog.SendCommand(IDCANCEL);
    EXPECT_EQ(image, erased);

    image[kThermostat1LowOffset] = 121, image[kThermostat1HighOffset] = 0x80;
    dialog.ShowWindow(true);
    EXPECT_EQ(Text(IDC_THERMOSTAT_1_LOW), "5");
    EXPECT_EQ(Text(IDC_THERMOSTAT_1_HIGH), "10");
}

TEST_F(GeneralSettingsDlgTest, ShowsAStoredNumberTooLongToTypeWholeAndRefusesIt) {
    EncodePhoneNumber(U"+1234567890123456",
                      FieldBytes<kPhoneNumberSlotSize>(image, kPhone1SlotOffset));
    const ConfigImage stored = image;
    Open();
    EXPECT_EQ(Text(IDC_PHONE_1), "+1234567890123456");
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Please enter no more than 14 characters."});
    EXPECT_EQ(image, stored);
}

TEST_F(GeneralSettingsDlgTest, LimitsWhatCanBeTypedOrPasted) {
    Open();
    for (const int id : {IDC_SMSC_NUMBER, IDC_PHONE_1, IDC_PHONE_2, IDC_PHONE_3}) {
        dialog.SetItemText(id, "");
        TypeInto(dialog, id, "+4860295111122334455");
        EXPECT_EQ(Text(id), "+4860295111122") << id;
    }
    dialog.SetItemText(IDC_PIN, "");
    TypeInto(dialog, IDC_PIN, "123456");
    EXPECT_EQ(Text(IDC_PIN), "1234");
}

// Each refusal names one box; once that box is put right, OK moves on to the next.
TEST_F(GeneralSettingsDlgTest, ChecksTheBoxesInTheirFixedOrder) {
    Open();
    struct Step {
        int id;
        std::string text;
        std::string message;
    };
    const std::string tooLong = "Please enter no more than 14 characters.";
    const std::string notInteger = "Please enter an integer.";
    const std::string temperature = "Please enter an integer between -25 and 120.";
    const std::string byteRange = "Please enter an integer between 0 and 255.";
    const std::string wordRange = "Please enter an integer between 0 and 65535.";
    const std::vector<Step> steps = {
        {IDC_PHONE_1, "123456789012345", tooLong},
        {IDC_PHONE_2, "602 951 111", kBadPhone},
        {IDC_PHONE_3, "+48-602951111", kBadPhone},
        {IDC_SMSC_NUMBER, "+480000000000000", tooLong},
        {IDC_SMSC_NUMBER, "+48 602951111", kBadPhone},
        {IDC_SMS_LIMIT, "", notInteger},
        {IDC_SMS_LIMIT, "256", byteRange},
        {IDC_REPORT_PERIOD, "1h", notInteger},
        {IDC_REPORT_PERIOD, "65536", wordRange},
        {IDC_THERMOSTAT_1_HIGH, "x", notInteger},
        {IDC_THERMOSTAT_1_LOW, "1.5", notInteger},
        {IDC_THERMOSTAT_1_LOW, "-26", temperature},
        {IDC_THERMOSTAT_1_HIGH, "200", temperature},
        {IDC_SIREN_TIME, "-1", byteRange},
        {IDC_THERMOSTAT_2_LOW, "a", notInteger},
        {IDC_THERMOSTAT_2_HIGH, "b", notInteger},
        {IDC_THERMOSTAT_2_LOW, "121", temperature},
        {IDC_THERMOSTAT_2_HIGH, "-100", temperature},
        {IDC_PIN, "12345", "Please enter no more than 4 characters."},
        {IDC_PIN, "12a4", "Numer PIN może zawierać tylko cyfry."},
        {IDC_NETWORK_CODE, "-1", wordRange},
    };
    std::map<int, std::deque<std::string>> pending;
    std::map<int, std::string> goodTexts;
    for (const Step& step : steps) {
        goodTexts.emplace(step.id, Text(step.id));
        pending[step.id].push_back(step.text);
    }
    for (auto& [id, texts] : pending) {
        Force(id, texts.front());
    }
    for (const Step& step : steps) {
        messages.texts.clear();
        dialog.SendCommand(IDOK);
        ExpectRefused(step.message, step.id);
        std::deque<std::string>& texts = pending[step.id];
        texts.pop_front();
        Force(step.id, texts.empty() ? goodTexts[step.id] : texts.front());
    }
    messages.texts.clear();
    dialog.SendCommand(IDOK);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(image, before);
}

TEST_F(GeneralSettingsDlgTest, OperatorButtonsFillTheSmscBoxWithoutWriting) {
    Open();
    const std::pair<int, const char*> operators[] = {{IDC_OPERATOR_T_MOBILE, "+48602951111"},
                                                     {IDC_OPERATOR_ORANGE, "+48501200777"},
                                                     {IDC_OPERATOR_PLUS, "+48601000310"},
                                                     {IDC_OPERATOR_PLAY, "+48790998250"}};
    for (const auto& [id, number] : operators) {
        ClickButton(dialog, id);
        EXPECT_EQ(Text(IDC_SMSC_NUMBER), number);
    }
    dialog.SendCommand(IDC_OPERATOR_ORANGE);
    dialog.SendCommand(IDCANCEL);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(image, before);
}

// The boxes before the failed one and the failed one itself are taken over; the boxes after
// it show their previous values again.
TEST_F(GeneralSettingsDlgTest, OperatorButtonAfterAFailedCheckKeepsWhatWasTakenOver) {
    Open();
    dialog.CheckDlgButton(IDC_SIREN_ACTIVE, true);
    dialog.SetItemText(IDC_PHONE_3, "500100200");
    dialog.SetItemText(IDC_SMS_LIMIT, "300");
    dialog.SetItemText(IDC_REPORT_PERIOD, "15");
    dialog.SendCommand(IDC_OPERATOR_PLUS);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(Text(IDC_SMSC_NUMBER), "+48601000310");
    EXPECT_EQ(Text(IDC_PHONE_3), "500100200");
    EXPECT_EQ(Text(IDC_SMS_LIMIT), "300");
    EXPECT_EQ(Text(IDC_REPORT_PERIOD), "1440");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_SIREN_ACTIVE));

    messages.texts.clear();
    dialog.SetItemText(IDC_SMS_LIMIT, "ten");
    dialog.SetItemText(IDC_PHONE_1, "601 234 567");
    dialog.SendCommand(IDC_OPERATOR_ORANGE);
    EXPECT_EQ(messages.texts, std::vector<std::string>{kBadPhone});
    EXPECT_EQ(Text(IDC_PHONE_1), "601 234 567");
    EXPECT_EQ(Text(IDC_SMS_LIMIT), "300") << "after the failed box nothing is taken over";
    EXPECT_EQ(Text(IDC_SMSC_NUMBER), "+48501200777");
    EXPECT_EQ(image, before);
}

} // namespace
