#include "config/image_layout.h"
#include "editors/cp1250_codec.h"
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_text_codec.h"
#include "editors/sms_texts_dlg.h"
#include "editors/variable_codes_dlg.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <tuple>

namespace {

using namespace std::literals;
using Texts = std::vector<std::string>;

// Every byte differs from its neighbours, so a write to a wrong place shows.
ConfigImage Pattern(int step) {
    ConfigImage image;
    for (std::size_t at = 0; at < image.size(); ++at) {
        image[at] = static_cast<std::uint8_t>(at * static_cast<std::size_t>(step) + 11);
    }
    return image;
}

// The bytes with the given ones written at the given offsets.
template <class Bytes>
Bytes Patched(Bytes bytes,
              std::initializer_list<std::pair<std::size_t, std::string_view>> changes) {
    for (const auto& [offset, values] : changes) {
        std::ranges::copy(values, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return bytes;
}

// The check boxes of one byte of the image, from bit 0 on (0 where a bit has no box), and the
// other bits of the byte that OK keeps; it clears the rest.
struct ByteBoxes {
    std::size_t offset;
    std::uint8_t keptBits;
    std::vector<int> boxes;
};

// Sets one box's bit at a time, the other boxes' bits cleared and every other bit of their
// bytes set, so two boxes swapped cannot hide behind equal bits: only that box shows ticked.
// Every box is then turned over, and OK must write each box's bit, keep only the kept bits of
// its byte and touch no other byte.
template <class Dialog>
void ExpectEachBoxOwnsItsBit(const ConfigImage& background, const std::vector<ByteBoxes>& bytes) {
    std::vector<std::tuple<int, std::size_t, std::uint8_t>> boxes;
    ConfigImage cleared = background;
    ConfigImage expected = background;
    for (const auto& [offset, kept, ids] : bytes) {
        cleared[offset] = 0xFF;
        for (std::size_t bit = 0; bit < ids.size(); ++bit) {
            if (ids[bit] != 0) {
                boxes.emplace_back(ids[bit], offset, static_cast<std::uint8_t>(1U << bit));
                cleared[offset] &= static_cast<std::uint8_t>(~(1U << bit));
            }
        }
        expected[offset] = cleared[offset] & kept;
    }
    for (const auto& [setId, setOffset, setMask] : boxes) {
        ConfigImage image = cleared;
        image[setOffset] |= setMask;
        ConfigImage written = expected;
        MessageBoxRecorder messages;
        Dialog dialog;
        dialog.SetImage(&image);
        dialog.ShowWindow(true);
        for (const auto& [id, offset, mask] : boxes) {
            const bool ticked = dialog.IsDlgButtonChecked(id);
            EXPECT_EQ(ticked, id == setId) << "box " << id << ", bit of " << setId;
            dialog.CheckDlgButton(id, !ticked);
            written[offset] |= ticked ? 0 : mask;
        }
        dialog.SendCommand(IDOK);
        EXPECT_EQ(messages.texts, Texts{});
        EXPECT_EQ(image, written) << "bit of " << setId;
    }
}

// Every field holds a value no other field holds, among bytes the editor must not touch: from
// byte 3 network 26003, PIN 1234, SMSC +48602951111, numbers 601234567, *123 and none; from
// byte 501 period 1440, T1 -25..120, T2 thermostat off, T2 0..30, SMS limit 20, switches 0xA5,
// siren 90 s.
const ConfigImage kSample =
    Patched(Pattern(37), {{kNetworkCodeOffset, "\x93\x65\x77"
                                               "1234"
                                               "\x0B\x91\x84\x06\x92\x15\x11\xF1\x33\x44"
                                               "\x09\x81\x06\x21\x43\x65\xF7\x55\x66\x77"
                                               "\x03\xA1\x21\xF3\x88\x99\xAA\xBB\xCC\xDD"
                                               "\x00\x81\x12\x34\x56\x78\x9A\xBC\xDE\xEF"sv},
                          {kReportPeriodOffset, "\xA0\x05\x3C\xE7\x78\xD6\x00\x1E\x14\xA5\x5A"sv}});

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
    {IDC_SIREN_TIME, "90", "044", kSirenTimeOffset, "\x2C"sv},
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
        {IDC_SMSC_NUMBER, "+48٣602951111", kBadPhone},
        {IDC_SMS_LIMIT, "256", byteRange},
        {IDC_THERMOSTAT_1_HIGH, "x", notInteger},
        {IDC_THERMOSTAT_1_LOW, "1.5", notInteger},
        {IDC_THERMOSTAT_1_LOW, "-26", temperature},
        {IDC_THERMOSTAT_1_HIGH, "200", temperature},
        {IDC_SIREN_TIME, "-1", byteRange},
        {IDC_SIREN_TIME, "99999999999999999999", byteRange},
        {IDC_SIREN_TIME, "", notInteger},
        {IDC_SIREN_TIME, "+", notInteger},
        {IDC_SIREN_TIME, "- 5", notInteger},
        {IDC_SIREN_TIME, "5 5", notInteger},
        {IDC_SIREN_TIME, "0x10", notInteger},
        {IDC_SIREN_TIME, "1e3", notInteger},
        {IDC_SIREN_TIME, "12,5", notInteger},
        {IDC_SIREN_TIME, "٣", notInteger},
        {IDC_THERMOSTAT_2_HIGH, "-100", temperature},
        {IDC_PIN, "abc🙂", "Please enter no more than 4 characters."},
        {IDC_PIN, "12٣4", "Numer PIN może zawierać tylko cyfry."},
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
        EXPECT_EQ(image, kSample);
        pending[id].pop_front();
        dialog.SetItemText(id, pending[id].front());
    }
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

// The dialog template gives line n the boxes 1017 + 5 n to 1021 + 5 n.
TEST(LineSettingsDlg, EachBoxShowsAndWritesItsOwnBitOfItsOwnLine) {
    std::vector<ByteBoxes> lines;
    for (std::size_t line = 0; line < kInputLineCount; ++line) {
        const int tel1 = 1022 + 5 * static_cast<int>(line);
        lines.push_back(
            {kLineSettingsOffset + line, 0, {tel1, tel1 + 1, tel1 + 2, 0, tel1 + 3, tel1 + 4}});
    }
    ExpectEachBoxOwnsItsBit<CLineSettingsDlg>(Pattern(53), lines);
}

// The boxes of lines 1 to 10 and of the report, by the ids of the dialog template.
constexpr int kTextIds[] = {1014, 1015, 1016, 1017, 1018, 1019, 1021, 1022, 1023, 1024, 1025};

std::string ExpectedCodesList() {
    std::ifstream file(GRT8_EXPECTED_DIR "/variable_codes.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Slot n holds "Wejscie n" and the code of the line's number, then a terminator and old bytes.
class SmsTextsDialog : public ::testing::Test {
protected:
    SmsTextsDialog() {
        for (std::size_t text = 0; text < kSmsTextCount; ++text) {
            const std::string stored = "Wejscie " + std::to_string(text + 1) + " \xAA" + '\0';
            original = Patched(original, {{SmsTextOffset(text), stored}});
        }
        image = original;
        dialog.SetImage(&image);
        dialog.ShowWindow(true);
    }
    std::string Text(std::size_t text) { return dialog.ItemText(kTextIds[text]); }
    void Type(std::size_t at, const std::string& typed) { dialog.SetItemText(kTextIds[at], typed); }

    ConfigImage original = Pattern(7);
    ConfigImage image;
    CSmsTextsDlg dialog;
    MessageBoxRecorder messages;
};

// What is typed into each box, what OK stores in its slot, and what the box shows when the
// dialog is shown again. Variable codes are taken as digits whatever they are; 0 and 255 end a
// text; Polish letters lose their marks; 40 stored bytes fill a slot without a terminator.
struct SmsText {
    std::string typed;
    std::string stored;
    std::string shown;
};
const SmsText kTexts[] = {
    {"Alarm $170", "Alarm \xAA\0"s, "Alarm $170"},
    {"", "\0"s, ""},
    {"Włamanie $065", "Wlamanie A\0"s, "Wlamanie A"},
    {"$1x2 $-12", "6 \xE0\0"s, "6 $224"},
    {"ab$255!", "ab\xFF!\0"s, "ab"},
    {"ab$256!", "ab\0!\0"s, "ab"},
    {"$036abc", "$abc\0"s, "$abc"},
    {"\x01\x1F\x7F", "\x01\x1F\x7F\0"s, "\x01\x1F\x7F"},
    {"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ", "acelnoszz ACELNOSZZ\0"s, "acelnoszz ACELNOSZZ"},
    {std::string(40, 'y'), std::string(40, 'y'), std::string(40, 'y')},
    {std::string(30, 'r') + "$170$170$170$170$170$170$170$170$170$170",
     std::string(30, 'r') + std::string(10, '\xAA'),
     std::string(30, 'r') + "$170$170$170$170$170$170$170$170$170$170"},
};

// The faults are typed at once: OK reports the first in the order of the texts, and once that is
// put right the next; then the report holds a character the module cannot send. Nothing is
// written until every text is accepted.
TEST_F(SmsTextsDialog, ShowsTheStoredTextsAndWritesThemOnlyWhenAllAreAccepted) {
    ConfigImage expected = original;
    for (std::size_t text = 0; text < kSmsTextCount; ++text) {
        EXPECT_EQ(Text(text), "Wejscie " + std::to_string(text + 1) + " $170");
        Type(text, kTexts[text].typed);
        expected = Patched(expected, {{SmsTextOffset(text), kTexts[text].stored}});
    }
    Type(4, std::string(41, 'x'));
    Type(7, "Temperatura 20°C");
    Type(10, kTexts[10].typed + "$170");
    for (const std::size_t text : {4, 7, 10}) {
        dialog.SendCommand(IDOK);
        EXPECT_EQ(dialog.FocusedItemId(), kTextIds[text]);
        EXPECT_EQ(image, original);
        Type(text, kTexts[text].typed);
    }
    Type(10, "Raport 🔥");
    dialog.SendCommand(IDOK);
    Type(10, kTexts[10].typed);
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts, (Texts{"Powiadomienie linii 5 za długie.\nMax. 40 znaków !",
                                     "Powiadomienie linii 8 zawiera niedozwolony znak.",
                                     "Treść raportu za długa.\nMax. 40 znaków !",
                                     "Treść raportu zawiera niedozwolony znak."}));
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(image, expected);
    dialog.ShowWindow(true);
    for (std::size_t text = 0; text < kSmsTextCount; ++text) {
        EXPECT_EQ(Text(text), kTexts[text].shown) << "shown again, text " << text;
    }
}

// The list opens over the dialog, which keeps what is being edited; shown again, it still
// holds the whole list once.
TEST_F(SmsTextsDialog, CodesListOpensOverTheDialogWithTheWholeListOnce) {
    Type(3, "W trakcie edycji");
    std::string list;
    EXPECT_TRUE(
        WithNextModalDialog([&] { dialog.SendCommand(IDC_VARIABLE_CODES); },
                            [&](CDialog& codes) { list = codes.ItemText(IDC_CODES_LIST); }));
    EXPECT_EQ(list, ExpectedCodesList());
    EXPECT_EQ(Text(3), "W trakcie edycji");
    CVariableCodesDlg codes;
    codes.ShowWindow(true);
    codes.ShowWindow(false);
    codes.ShowWindow(true);
    EXPECT_EQ(codes.ItemText(IDC_CODES_LIST), ExpectedCodesList());
}

// OK clears the unused bits of the report and CLIP bytes; of the shared SMS control byte it
// keeps the top three bits.
TEST(ReportsControlDlg, EachBoxShowsAndWritesItsOwnBit) {
    // Each byte's boxes from bit 0 on, by the ids of the dialog template; 0 where a bit has none.
    ExpectEachBoxOwnsItsBit<CReportsControlDlg>(
        Pattern(13), {{kReportFlagsOffset, 0x00, {1022, 1023, 1024, 0, 1034, 1035}},
                      {kClipFlagsOffset, 0x00, {1025, 1026, 1027, 0, 1031, 1036, 1037}},
                      {kSmsControlFlagsOffset, 0xE0, {1028, 1029, 1030, 0, 1032}}});
}

using Slot = std::array<std::uint8_t, kSmsTextSlotSize>;

// Old bytes that a conversion must leave alone.
const Slot kOldSlot = Patched(Slot{}, {{0, std::string(kSmsTextSlotSize, 'Z')}});

// A "$" too close to the end is a plain character; a text that does not fit is refused with as
// much stored as fits. The text is kept in a buffer of exactly its size, so that reading past
// its end is caught by the address sanitizer.
TEST(SmsTextCodec, ReadsNoFurtherThanTheTextAndTheSlot) {
    const std::string forty(40, 'f');
    const std::tuple<std::string, SmsTextEncoding, std::string> cases[] = {
        {"ab$", SmsTextEncoding::Stored, "ab$\0"s},
        {forty + "!", SmsTextEncoding::TooLong, forty},
        {std::string(39, 'k') + "$12", SmsTextEncoding::TooLong, std::string(39, 'k') + "$"},
    };
    for (const auto& [text, result, stored] : cases) {
        const std::vector<char> exact(text.begin(), text.end());
        Slot slot = kOldSlot;
        EXPECT_EQ(EncodeSmsText(std::string_view(exact.data(), exact.size()), slot), result);
        EXPECT_EQ(slot, Patched(kOldSlot, {{0, stored}})) << text;
    }
    EXPECT_EQ(DecodeSmsText(Patched(kOldSlot, {{0, "\x80\xFE\xFFx"sv}})), "$128$254");
    for (const std::u32string_view text : {U"¤170", U"Käse", U"a–b", U"€", U"$1ą2"}) {
        Slot slot{};
        EXPECT_EQ(EncodeSmsText(UnicodeToCp1250(text).value(), slot),
                  SmsTextEncoding::ForbiddenCharacter);
    }
}

TEST(Cp1250Codec, MapsTheUpperHalfBothWaysAndLeavesOutWhatTheCodePageLacks) {
    const std::string bytes =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F"
        "\xAF Az~\x80\xA4\xB0\x96\xFF";
    EXPECT_EQ(UnicodeToCp1250(U"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ Az~€¤°–˙"), bytes);
    EXPECT_EQ(Cp1250ToUtf8(bytes + "\x81"), "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ Az~€¤°–˙\uFFFD");
    EXPECT_EQ(UnicodeToCp1250(U"\u0081"), std::nullopt);
}

} // namespace
