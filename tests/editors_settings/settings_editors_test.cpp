#include "config/image_layout.h"
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "tests/editors_settings/editor_test_support.h"

#include <deque>
#include <tuple>

namespace {

using namespace std::literals;
using Texts = std::vector<std::string>;

// Every field holds a value no other field holds, among bytes the editor must not touch:
// network 26003, PIN 1234, SMSC +48602951111, numbers 601234567, *123 and none, period 1440,
// T1 -25..120, T2 0..30, SMS limit 20, siren 90 s, switches 0xA5, T2 thermostat off.
const ConfigImage kSample =
    Patched(Pattern(37), {{kNetworkCodeOffset, "\x93\x65"sv},
                          {kPinOffset, "1234"sv},
                          {kSmscSlotOffset, "\x0B\x91\x84\x06\x92\x15\x11\xF1"sv},
                          {kPhone1SlotOffset, "\x09\x81\x06\x21\x43\x65\xF7"sv},
                          {kPhone2SlotOffset, "\x03\xA1\x21\xF3"sv},
                          {kPhone3SlotOffset, "\x00\x81"sv},
                          {kReportPeriodOffset, "\xA0\x05"sv},
                          {kThermostat1LowOffset, "\xE7\x78"sv},
                          {kSmsControlFlagsOffset, "\xD6\x00\x1E\x14\xA5\x5A"sv}});

// Each text box: what it shows of the sample, what is typed into it, and the bytes OK then
// writes at the offset.
const std::tuple<int, std::string, std::string, std::size_t, std::string_view> kFields[] = {
    {IDC_SMSC_NUMBER, "+48602951111", "*123", kSmscSlotOffset, "\x03\xA1\x21\xF3"sv},
    {IDC_PHONE_1, "601234567", "", kPhone1SlotOffset, "\x00\x81"sv},
    {IDC_PHONE_2, "*123", " 602951111", kPhone2SlotOffset, "\x09\x81\x06\x92\x15\x11\xF1"sv},
    {IDC_PHONE_3, "", "ą4860", kPhone3SlotOffset, "\x04\x81\x84\x06"sv},
    {IDC_PIN, "1234", "7", kPinOffset, "7\0"sv},
    {IDC_NETWORK_CODE, "26003", "65535", kNetworkCodeOffset, "\xFF\xFF"sv},
    {IDC_REPORT_PERIOD, "1440", "258", kReportPeriodOffset, "\x02\x01"sv},
    {IDC_THERMOSTAT_1_LOW, "-25", "-0", kThermostat1LowOffset, "\x00"sv},
    {IDC_THERMOSTAT_1_HIGH, "120", "-1", kThermostat1HighOffset, "\xFF"sv},
    {IDC_THERMOSTAT_2_LOW, "0", "7", kThermostat2LowOffset, "\x07"sv},
    {IDC_THERMOSTAT_2_HIGH, "30", "-3", kThermostat2HighOffset, "\xFD"sv},
    {IDC_SMS_LIMIT, "20", " \t+33 ", kSmsLimitOffset, "\x21"sv},
    {IDC_SIREN_TIME, "90", "44", kSirenTimeOffset, "\x2C"sv},
};

const std::string kBadPhone =
    "Niewłaściwy numer telefonu. Dozwolone są tylko cyfry, na początku + lub *.";

class GeneralSettingsDlgTest : public ::testing::Test {
protected:
    GeneralSettingsDlgTest() { dialog.SetImage(&image); }
    // The texts of the boxes in the order of kFields.
    Texts Shown() {
        Texts texts;
        for (const auto& field : kFields) {
            texts.push_back(dialog.ItemText(std::get<0>(field)));
        }
        return texts;
    }

    MessageBoxRecorder messages;
    ConfigImage image = kSample;
    CGeneralSettingsDlg dialog;
};

TEST_F(GeneralSettingsDlgTest, ShowsEachFieldAndWritesWhatIsTypedIntoItsOwnBytes) {
    dialog.ShowWindow(true);
    ConfigImage expected = kSample;
    for (const auto& [id, shown, typed, offset, written] : kFields) {
        EXPECT_EQ(dialog.ItemText(id), shown) << id;
        dialog.SetItemText(id, typed);
        expected = Patched(expected, {{offset, written}});
    }
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts, Texts{});
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(image, expected);
}

TEST_F(GeneralSettingsDlgTest, EachSwitchBoxShowsAndWritesItsOwnBit) {
    // The boxes of each byte from bit 0 on, by the ids of the dialog template.
    ExpectEachBoxOwnsItsBit<CGeneralSettingsDlg>(
        kSample, {{kSwitchesOffset, 0x00, {1006, 1009, 1010, 1016, 1017, 1023, 1024, 1025}},
                  {kSmsControlFlagsOffset, 0xDF, {0, 0, 0, 0, 0, 1027}}});
}

// What the boxes cannot take shows as it can be edited: numbers with an unknown type or digit
// count as none, nibbles above 9 as the characters after "9", a PIN up to its first non-digit,
// temperatures outside -25..120 as 5 and 10, an erased network code as automatic. A stored
// number too long to type shows whole and is refused.
TEST_F(GeneralSettingsDlgTest, ShowsStoredValuesAsTheyCanBeEditedAndCancelWritesNothing) {
    image.fill(0xFF);
    image = Patched(image, {{kPinOffset, "12a4"sv},
                            {kSmscSlotOffset, "\x02\x90\x21"sv},
                            {kPhone1SlotOffset, "\x10\x91\x21\x43\x65\x87\x09\x21\x43\x65"sv},
                            {kPhone2SlotOffset, "\x04\x81\xA9\xFB"sv},
                            {kPhone3SlotOffset, "\x11\x81\x21"sv},
                            {kThermostat1LowOffset, "\x79\x80"sv},
                            {kThermostat2HighOffset, "\xE6"sv}});
    const ConfigImage stored = image;
    dialog.ShowWindow(true);
    EXPECT_EQ(Shown(), (Texts{"", "+1234567890123456", "9:;?", "", "12", "0", "65535", "5", "10",
                              "-1", "10", "255", "255"}));
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts, Texts{"Please enter no more than 14 characters."});
    dialog.SendCommand(IDCANCEL);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(image, stored);
}

// All boxes are wrong at once, some in two ways. Each refusal names one box, which gets the
// focus; once it is put right, OK moves on to the next.
TEST_F(GeneralSettingsDlgTest, ChecksTheBoxesInTheirFixedOrder) {
    const std::string notInteger = "Please enter an integer.";
    const std::string temperature = "Please enter an integer between -25 and 120.";
    const std::string byteRange = "Please enter an integer between 0 and 255.";
    const std::tuple<int, std::string, std::string> steps[] = {
        {IDC_PHONE_1, "123456789012345", "Please enter no more than 14 characters."},
        {IDC_PHONE_2, "602 951 111", kBadPhone},
        {IDC_PHONE_3, "+48-602951111", kBadPhone},
        {IDC_SMSC_NUMBER, "+48 602951111", kBadPhone},
        {IDC_SMS_LIMIT, "256", byteRange},
        {IDC_REPORT_PERIOD, "1h", notInteger},
        {IDC_THERMOSTAT_1_HIGH, "x", notInteger},
        {IDC_THERMOSTAT_1_LOW, "1.5", notInteger},
        {IDC_THERMOSTAT_1_LOW, "-26", temperature},
        {IDC_THERMOSTAT_1_HIGH, "200", temperature},
        {IDC_SIREN_TIME, "-1", byteRange},
        {IDC_THERMOSTAT_2_LOW, "a", notInteger},
        {IDC_THERMOSTAT_2_HIGH, "-100", temperature},
        {IDC_PIN, "abc🙂", "Please enter no more than 4 characters."},
        {IDC_PIN, "żó🙂", "Numer PIN może zawierać tylko cyfry."},
        {IDC_NETWORK_CODE, "65536", "Please enter an integer between 0 and 65535."},
    };
    dialog.ShowWindow(true);
    // Each box's wrong texts in turn, then its sample text.
    std::map<int, std::deque<std::string>> pending;
    for (const auto& [id, text, message] : steps) {
        pending[id].push_back(text);
    }
    for (auto& [id, texts] : pending) {
        texts.push_back(dialog.ItemText(id));
        dialog.SetItemText(id, texts.front());
    }
    for (const auto& [id, text, message] : steps) {
        messages.texts.clear();
        dialog.SendCommand(IDOK);
        EXPECT_EQ(messages.texts, Texts{message});
        EXPECT_EQ(dialog.FocusedItemId(), id);
        pending[id].pop_front();
        dialog.SetItemText(id, pending[id].front());
    }
    dialog.SendCommand(IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(image, kSample);
}

// The boxes before the failed one and the failed one itself are taken over; the boxes after
// it show their previous values again. Nothing is written before OK.
TEST_F(GeneralSettingsDlgTest, OperatorButtonsFillTheSmscBoxAfterTakingOverTheBoxes) {
    dialog.ShowWindow(true);
    for (const auto& [id, number] : {std::pair{IDC_OPERATOR_ORANGE, "+48501200777"},
                                     {IDC_OPERATOR_T_MOBILE, "+48602951111"},
                                     {IDC_OPERATOR_PLAY, "+48790998250"},
                                     {IDC_OPERATOR_PLUS, "+48601000310"}}) {
        ClickButton(dialog, id);
        EXPECT_EQ(dialog.ItemText(IDC_SMSC_NUMBER), number);
    }
    dialog.CheckDlgButton(IDC_SIREN_ACTIVE, true);
    dialog.SetItemText(IDC_PHONE_3, "500100200");
    dialog.SetItemText(IDC_SMS_LIMIT, "300");
    dialog.SetItemText(IDC_REPORT_PERIOD, "15");
    ClickButton(dialog, IDC_OPERATOR_ORANGE);
    EXPECT_EQ(messages.texts, Texts{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(Shown(), (Texts{"+48501200777", "601234567", "*123", "500100200", "1234", "26003",
                              "1440", "-25", "120", "0", "30", "300", "90"}));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_SIREN_ACTIVE));
    EXPECT_EQ(image, kSample);
}

// The line bytes hold their unused bits set, and OK clears them.
TEST(LineSettingsDlg, EachBoxShowsAndWritesItsOwnBitOfItsOwnLine) {
    ConfigImage background = Pattern(53);
    std::vector<ByteBoxes> lines;
    for (int line = 1; line <= 10; ++line) {
        const std::size_t at = kLineSettingsOffset + static_cast<std::size_t>(line - 1);
        background[at] = 0xFF;
        lines.push_back({at,
                         0x00,
                         {LineBoxId(line, 0), LineBoxId(line, 1), LineBoxId(line, 2), 0,
                          LineBoxId(line, 3), LineBoxId(line, 4)}});
    }
    ExpectEachBoxOwnsItsBit<CLineSettingsDlg>(background, lines);
}

} // namespace
