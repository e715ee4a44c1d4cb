#include "config/image_layout.h"
#include "editors/sms_texts_dlg.h"
#include "editors/variable_codes_dlg.h"
#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kTextIds[] = {
    IDC_TEXT_LINE_1, IDC_TEXT_LINE_2,  IDC_TEXT_LINE_3, IDC_TEXT_LINE_4,
    IDC_TEXT_LINE_5, IDC_TEXT_LINE_6,  IDC_TEXT_LINE_7, IDC_TEXT_LINE_8,
    IDC_TEXT_LINE_9, IDC_TEXT_LINE_10, IDC_TEXT_REPORT,
};

int Count(const std::string& text, const std::string& part) {
    int found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

void Store(ConfigImage& image, std::size_t offset, const std::string& bytes) {
    std::ranges::copy(bytes, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Every byte differs from its neighbours, so a write to a wrong place shows; each slot holds
// "Wejscie n" and the code of the line's number, then a terminator and old bytes.
ConfigImage SampleImage() {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    for (std::size_t text = 0; text < kSmsTextCount; ++text) {
        Store(image, SmsTextOffset(text),
              "Wejscie " + std::to_string(text + 1) + " \xAA" + std::string(1, '\0'));
    }
    return image;
}

class SmsTextsDialog : public ::testing::Test {
protected:
    SmsTextsDialog() {
        dialog.SetImage(&image);
        dialog.ShowWindow(true);
    }

    std::string Text(int text) { return dialog.ItemText(kTextIds[text]); }
    void Type(int text, const std::string& value) { dialog.SetItemText(kTextIds[text], value); }

    const ConfigImage original = SampleImage();
    ConfigImage image = original;
    CSmsTextsDlg dialog;
    MessageBoxRecorder messages;
};

TEST_F(SmsTextsDialog, ShowsTheStoredTextsEachTimeItIsShown) {
    EXPECT_EQ(Text(0), "Wejscie 1 $170");
    EXPECT_EQ(Text(10), "Wejscie 11 $170");

    dialog.ShowWindow(false);
    Store(image, SmsTextOffset(9), std::string(1, '\xFF'));
    Store(image, SmsTextOffset(kReportText), std::string("\x01\x1F\x7F\x80", 4) + '\0');
    dialog.ShowWindow(true);
    EXPECT_EQ(Text(9), "");
    EXPECT_EQ(Text(10), "\x01\x1F\x7F$128");
}

TEST_F(SmsTextsDialog, AcceptedOkWritesOnlyTheTextsInTheirSlots) {
    Type(0, "Alarm $170");
    Type(1, "");
    Type(2, "Włamanie $065");
    Type(10, std::string(40, 'r'));
    dialog.SendCommand(IDOK);

    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dialog.GetResult(), IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    ConfigImage expected = original;
    Store(expected, SmsTextOffset(0), std::string("Alarm \xAA", 7) + '\0');
    Store(expected, SmsTextOffset(1), std::string(1, '\0'));
    Store(expected, SmsTextOffset(2), std::string("Wlamanie A") + '\0');
    Store(expected, SmsTextOffset(kReportText), std::string(40, 'r'));
    EXPECT_EQ(image, expected);
}

TEST_F(SmsTextsDialog, RefusedOkReportsTheFirstFaultyTextAndWritesNothing) {
    Type(0, "Nowy tekst");
    Type(4, std::string(41, 'x'));
    Type(7, "Temperatura 20°C");
    Type(9, std::string(41, 'y'));
    dialog.SendCommand(IDOK);

    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Powiadomienie linii 5 za długie.\nMax. 40 znaków !"});
    EXPECT_EQ(image, original);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.FocusedItemId(), kTextIds[4]);
    EXPECT_EQ(Text(0), "Nowy tekst");

    Type(4, "Krotszy");
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts.back(), "Powiadomienie linii 8 zawiera niedozwolony znak.");
    Type(7, "Temperatura 20C");
    dialog.SendCommand(IDOK);
    EXPECT_EQ(messages.texts.back(), "Powiadomienie linii 10 za długie.\nMax. 40 znaków !");
    EXPECT_EQ(image, original);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(SmsTextsDialog, RefusesAFaultyReportWithItsOwnMessages) {
    Type(10, std::string(30, 'r') + "$170$170$170$170$170$170$170$170$170$170$170");
    dialog.SendCommand(IDOK);
    Type(10, "Raport 🔥");
    dialog.SendCommand(IDOK);

    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Treść raportu za długa.\nMax. 40 znaków !",
                                        "Treść raportu zawiera niedozwolony znak."}));
    EXPECT_EQ(image, original);
}

TEST_F(SmsTextsDialog, CodesListOpensOverTheDialogWithItsTextOnce) {
    Type(3, "W trakcie edycji");
    for (int opening = 0; opening < 2; ++opening) {
        std::string list;
        const bool opened =
            WithNextModalDialog([&] { dialog.SendCommand(IDC_VARIABLE_CODES); },
                                [&](CDialog& codes) {
                                    EXPECT_TRUE(dynamic_cast<CVariableCodesDlg*>(&codes));
                                    list = codes.ItemText(IDC_CODES_LIST);
                                });
        ASSERT_TRUE(opened);
        EXPECT_EQ(Count(list, "\r\n"), 22);
        EXPECT_EQ(Count(list, "$170"), 1);
    }
    EXPECT_EQ(Text(3), "W trakcie edycji");
    EXPECT_EQ(image, original);
}

} // namespace
