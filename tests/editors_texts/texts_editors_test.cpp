#include "config/image_layout.h"
#include "editors/cp1250_codec.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_text_codec.h"
#include "editors/sms_texts_dlg.h"
#include "editors/variable_codes_dlg.h"
#include "tests/editors_settings/editor_test_support.h"

#include <fstream>
#include <iterator>
#include <tuple>

namespace {

using namespace std::literals;
using Texts = std::vector<std::string>;

// The boxes of lines 1 to 10 and of the report, by the ids of the dialog template.
constexpr int kTextIds[] = {1014, 1015, 1016, 1017, 1018, 1019, 1021, 1022, 1023, 1024, 1025};

std::string ExpectedCodesList() {
    std::ifstream file(GRT8_EXPECTED_DIR "/variable_codes.txt", std::ios::binary);
    EXPECT_TRUE(file.is_open());
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
    void Type(std::size_t text, const std::string& value) {
        dialog.SetItemText(kTextIds[text], value);
    }

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

// All faults are typed at once: OK reports the first in the order of the texts, and once that is
// put right the next. Nothing is written until every text is accepted.
TEST_F(SmsTextsDialog, ShowsTheStoredTextsAndWritesThemOnlyWhenAllAreAccepted) {
    ConfigImage expected = original;
    for (std::size_t text = 0; text < kSmsTextCount; ++text) {
        EXPECT_EQ(Text(text), "Wejscie " + std::to_string(text + 1) + " $170");
        Type(text, kTexts[text].typed);
        expected = Patched(expected, {{SmsTextOffset(text), kTexts[text].stored}});
    }
    Type(4, std::string(41, 'x'));
    Type(7, "Temperatura 20°C");
    Type(9, std::string(41, 'y'));
    Type(10, kTexts[10].typed + "$170");
    // The text each refusal names, and what is typed into it then.
    const std::pair<std::size_t, std::string> corrections[] = {{4, kTexts[4].typed},
                                                               {7, kTexts[7].typed},
                                                               {9, kTexts[9].typed},
                                                               {10, "Raport 🔥"},
                                                               {10, kTexts[10].typed}};
    for (const auto& [text, corrected] : corrections) {
        dialog.SendCommand(IDOK);
        EXPECT_EQ(dialog.FocusedItemId(), kTextIds[text]);
        EXPECT_EQ(image, original);
        Type(text, corrected);
    }
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts, (Texts{"Powiadomienie linii 5 za długie.\nMax. 40 znaków !",
                                     "Powiadomienie linii 8 zawiera niedozwolony znak.",
                                     "Powiadomienie linii 10 za długie.\nMax. 40 znaków !",
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
    EXPECT_EQ(image, original);
    CVariableCodesDlg codes;
    codes.ShowWindow(true);
    codes.ShowWindow(false);
    codes.ShowWindow(true);
    EXPECT_EQ(codes.ItemText(IDC_CODES_LIST), ExpectedCodesList());
}

// The report and CLIP bytes hold their unused bits set, and OK clears them; of the shared SMS
// control byte OK keeps the top three bits.
TEST(ReportsControlDlg, EachBoxShowsAndWritesItsOwnBit) {
    ConfigImage background = Pattern(13);
    for (const std::size_t at : {kReportFlagsOffset, kClipFlagsOffset, kSmsControlFlagsOffset}) {
        background[at] = 0xFF;
    }
    // Each byte's boxes from bit 0 on, by the ids of the dialog template; 0 where a bit has none.
    ExpectEachBoxOwnsItsBit<CReportsControlDlg>(
        background, {{kReportFlagsOffset, 0x00, {1022, 1023, 1024, 0, 1034, 1035}},
                     {kClipFlagsOffset, 0x00, {1025, 1026, 1027, 0, 1031, 1036, 1037}},
                     {kSmsControlFlagsOffset, 0xE0, {1028, 1029, 1030, 0, 1032}}});
}

using Slot = std::array<std::uint8_t, kSmsTextSlotSize>;

// A slot of old bytes with the given ones at its start.
Slot SlotStartingWith(std::string_view bytes) {
    Slot slot;
    slot.fill(0x5A);
    std::ranges::copy(bytes, slot.begin());
    return slot;
}

std::string Cp1250(std::u32string_view text) {
    return UnicodeToCp1250(text).value();
}

// A "$" too close to the end is a plain character; a text that does not fit is refused with as
// much stored as fits. The text is kept in a buffer of exactly its size, so that reading past
// its end is caught by the address sanitizer.
TEST(SmsTextCodec, ReadsNoFurtherThanTheTextAndTheSlot) {
    const std::string forty(40, 'f');
    const std::tuple<std::string, SmsTextEncoding, std::string> cases[] = {
        {"x$$1", SmsTextEncoding::Stored, "x$$1\0"s},
        {"ab$", SmsTextEncoding::Stored, "ab$\0"s},
        {forty + "!", SmsTextEncoding::TooLong, forty},
        {std::string(39, 'k') + "$12", SmsTextEncoding::TooLong, std::string(39, 'k') + "$"},
    };
    for (const auto& [text, result, stored] : cases) {
        const std::vector<char> exact(text.begin(), text.end());
        Slot slot = SlotStartingWith({});
        EXPECT_EQ(EncodeSmsText(std::string_view(exact.data(), exact.size()), slot), result);
        EXPECT_EQ(slot, SlotStartingWith(stored)) << text;
    }
    EXPECT_EQ(DecodeSmsText(SlotStartingWith("\x80\xFE\xFFx"sv)), "$128$254");
    for (const std::u32string_view text : {U"¤170", U"Käse", U"a–b", U"€", U"$1ą2"}) {
        Slot slot{};
        EXPECT_EQ(EncodeSmsText(Cp1250(text), slot), SmsTextEncoding::ForbiddenCharacter);
    }
}

TEST(Cp1250Codec, MapsTheUpperHalfBothWaysAndLeavesOutWhatTheCodePageLacks) {
    const std::string bytes =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F"
        "\xAF Az~\x80\xA4\xB0\x96\xFF";
    EXPECT_EQ(UnicodeToCp1250(U"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ Az~€¤°–˙"), bytes);
    EXPECT_EQ(Cp1250ToUtf8(bytes + "\x81"), "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ Az~€¤°–˙\uFFFD");
    for (const char32_t outside : std::u32string_view(U"\uFFFDñЖ\u0081🔥")) {
        EXPECT_EQ(Cp1250FromUnicode(outside), std::nullopt) << int(outside);
    }
}

} // namespace
