#include "app/console_dlg.h"
#include "config/image_layout.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr int kComPortItems[] = {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5,
                                 ID_COM6, ID_COM7, ID_COM8, ID_COM9};

class ConsoleWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_comPortDigit[0] = '1';
        console.ShowWindow(true);
    }

    std::string Pane() { return console.ItemText(IDC_LOG); }

    CConsoleDlg console{"\"/no/such/folder/startup.gr8\""};
};

TEST_F(ConsoleWindowTest, StartsWithEmptyLogComOneAndZeroImage) {
    EXPECT_EQ(Pane(), "");
    EXPECT_TRUE(console.Menu().IsChecked(ID_COM1));
    EXPECT_EQ(console.Image(), ConfigImage{});
    EXPECT_EQ(console.Caption(), "Konsola GRT-8");
    EXPECT_EQ(console.FocusedItemId(), IDC_LOG);
}

TEST_F(ConsoleWindowTest, ChoosingAPortReplacesTheLogAndMovesTheCheckMark) {
    console.m_strLog = "stare\r\n";
    for (int round = 0; round < 2; ++round) {
        console.SendCommand(ID_COM5);
        EXPECT_EQ(console.m_strLog, "Wybrano port COM5\r\n");
        EXPECT_EQ(Pane(), "Wybrano port COM5\r\n");
        EXPECT_EQ(g_comPortDigit[0], '5');
        EXPECT_EQ(g_comPortDigit[1], '\0');
        for (const int id :
             {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM6, ID_COM7, ID_COM8, ID_COM9}) {
            EXPECT_FALSE(console.Menu().IsChecked(id)) << id;
        }
        EXPECT_TRUE(console.Menu().IsChecked(ID_COM5));
    }
    console.SendCommand(ID_COM9);
    EXPECT_EQ(Pane(), "Wybrano port COM9\r\n");
    EXPECT_FALSE(console.Menu().IsChecked(ID_COM5));
}

// Each time the Port COM popup opens it shows beside each item the device the item opens; an
// item with nothing behind it stays as it is, and can still be chosen.
TEST_F(ConsoleWindowTest, PortComItemsShowTheDevicesFoundWhenThePopupOpens) {
    ScratchSerialDevices scratch;
    const std::string ftdi = scratch.AddNode("ttyUSB0");
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    scratch.AddUsbTty("ttyUSB0", "FTDI", "FT232R USB UART", "A10K3XYZ");
    const auto itemTexts = [&] {
        OpenPopupHolding(console.Menu(), ID_COM5);
        std::vector<std::string> texts;
        for (const int id : kComPortItems) {
            texts.push_back(console.Menu().GetMenuString(id));
        }
        return texts;
    };
    const auto plainLabels = [](std::vector<std::pair<int, std::string>> hinted) {
        std::vector<std::string> texts;
        for (char digit = '1'; digit <= '9'; ++digit) {
            texts.push_back(std::string("COM &") + digit);
        }
        for (const auto& [index, hint] : hinted) {
            texts[static_cast<std::size_t>(index)] += "\t" + hint;
        }
        return texts;
    };

    EXPECT_EQ(itemTexts(), plainLabels({{0, ftdi + " (FT232R USB UART)"}}));

    const std::string arduino = scratch.AddNode("ttyACM0");
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    EXPECT_EQ(itemTexts(), plainLabels({{0, arduino}, {1, ftdi + " (FT232R USB UART)"}}))
        << "an adapter plugged in while the console runs is found";

    scratch.RemoveNode("ttyUSB0");
    scratch.RemoveNode("ttyACM0");
    EXPECT_EQ(itemTexts(), plainLabels({}));
    console.SendCommand(ID_COM2);
    EXPECT_EQ(Pane(), "Wybrano port COM2\r\n");
    EXPECT_TRUE(console.Menu().IsChecked(ID_COM2));
}

TEST_F(ConsoleWindowTest, EscapeAndEnterDoNotCloseTheWindow) {
    for (const int target : {IDC_LOG, 0}) {
        for (const TestKey key : {TestKey::Escape, TestKey::Return, TestKey::Enter}) {
            PressKey(console, target, key);
            EXPECT_TRUE(console.IsWindowVisible());
        }
    }
}

// What the operations append lives in the pane only, until a refresh brings back the log text.
TEST_F(ConsoleWindowTest, LogLayersStaySeparateUntilRefreshed) {
    console.m_strLog = "Zapisano konfigurację do pliku:\r\nA.GR8\r\n";
    console.RefreshLogPane();
    console.ClearLogPane();
    console.AppendToLogPane("Otwarcie portu COM1\r\n");
    console.AppendToLogPane("Weryfikacja ...");
    console.AppendToLogPane("OK.\r\n");
    EXPECT_EQ(Pane(), "Otwarcie portu COM1\r\nWeryfikacja ...OK.\r\n");
    EXPECT_EQ(console.m_strLog, "Zapisano konfigurację do pliku:\r\nA.GR8\r\n");
    console.RefreshLogPane();
    EXPECT_EQ(Pane(), console.m_strLog);
}

TEST_F(ConsoleWindowTest, KeysAimedAtTheWindowLeaveNoTrace) {
    console.m_strLog = "log\r\n";
    console.RefreshLogPane();
    PressKey(console, 0, TestKey::LetterA);
    EXPECT_EQ(Pane(), "log\r\n");
    EXPECT_TRUE(console.IsWindowVisible());
}

TEST_F(ConsoleWindowTest, AboutBoxShowsTheVersionEveryTime) {
    for (int round = 0; round < 2; ++round) {
        std::string caption;
        std::string version;
        const bool shown = WithNextModalDialog([&] { console.SendCommand(IDM_ABOUTBOX); },
                                               [&](CDialog& about) {
                                                   caption = about.Caption();
                                                   version = about.ItemText(IDC_VERSION);
                                               });
        ASSERT_TRUE(shown);
        EXPECT_EQ(caption, "O programie");
        EXPECT_EQ(version, "2.6");
    }
}

// Each editor sees the console's own image; the console itself is left exactly as it was.
TEST_F(ConsoleWindowTest, EditorsWorkOnTheImageAndLeaveTheConsoleAlone) {
    console.Image()[kReportFlagsOffset] = 0x01;
    console.Image()[1022] = 0x12;
    const ConfigImage before = console.Image();
    console.m_strLog = "stare\r\n";
    console.AppendToLogPane("Odczyt bloku 1...\r\n");
    const std::string pane = Pane();
    for (const int command :
         {ID_GENERAL_SETTINGS, ID_LINE_SETTINGS, ID_SMS_TEXTS, ID_REPORTS_CONTROL}) {
        std::string caption;
        bool firstReportBoxTicked = false;
        ASSERT_TRUE(WithNextModalDialog([&] { console.SendCommand(command); },
                                        [&](CDialog& editor) {
                                            caption = editor.Caption();
                                            firstReportBoxTicked =
                                                editor.IsDlgButtonChecked(IDC_REPORT_TEL_1);
                                        }))
            << command;
        EXPECT_FALSE(caption.empty());
        if (command == ID_REPORTS_CONTROL) {
            EXPECT_TRUE(firstReportBoxTicked);
        }
        EXPECT_EQ(console.m_strLog, pane) << "the pane's text is taken into the log first";
        EXPECT_EQ(Pane(), pane);
        EXPECT_EQ(console.Image(), before);
    }
}

TEST_F(ConsoleWindowTest, ExitEndsWithOkAndCopiesThePaneIntoTheLog) {
    console.AppendToLogPane("Odczyt bloku 1...\r\n");
    console.SendCommand(ID_EXIT);
    EXPECT_FALSE(console.IsWindowVisible());
    EXPECT_EQ(console.GetResult(), IDOK);
    EXPECT_EQ(console.m_strLog, "Odczyt bloku 1...\r\n");
}

} // namespace
