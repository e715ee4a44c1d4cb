#include "app/console_dlg.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"
#include "tools/sim_process.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The console's own menu commands against the simulated module behind a USB adapter, at the
// module's real pace, with the ports found as on Linux.
TEST(ConsoleModuleTest, PortMenuAndModuleCommands) {
    TemporaryFolder folder;
    std::vector<unsigned char> memory(512);
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<unsigned char>(i * 13 + 1);
    }
    WriteAllBytes(folder / "module.bin", memory);
    SimProcess simulator(GRT8_SIM_PATH,
                         {"--memory", (folder / "module.bin").string(), "--version", "G8v3.14"});
    ASSERT_FALSE(simulator.path().empty()) << simulator.ErrorOutput();
    ScratchSerialDevices scratch;
    const std::string ftdi = scratch.AddNode("ttyUSB0", simulator.path());
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    scratch.AddUsbTty("ttyUSB0", "FTDI", "FT232R USB UART", "A10K3XYZ");
    g_comPortDigit[0] = '1';
    CConsoleDlg console("");
    console.ShowWindow(true);
    MessageBoxRecorder messages;
    messages.RecordWithLogOf(console, IDC_LOG);
    const auto Pane = [&] { return console.ItemText(IDC_LOG); };

    // The popup shows beside each item the device it opens, looked for anew at each opening.
    const auto itemTexts = [&] {
        OpenPopupHolding(console.Menu(), ID_COM5);
        std::string texts;
        for (const int id :
             {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5, ID_COM6, ID_COM7, ID_COM8, ID_COM9}) {
            texts += console.Menu().GetMenuString(id) + "|";
        }
        return texts;
    };
    const std::string plain = "COM &3|COM &4|COM &5|COM &6|COM &7|COM &8|COM &9|";
    EXPECT_EQ(itemTexts(), "COM &1\t" + ftdi + " (FT232R USB UART)|COM &2|" + plain);
    const std::string arduino = scratch.AddNode("ttyACM0");
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    EXPECT_EQ(itemTexts(),
              "COM &1\t" + arduino + "|COM &2\t" + ftdi + " (FT232R USB UART)|" + plain);

    console.SendCommand(ID_COM3);
    console.SendCommand(ID_READ_CONFIGURATION);
    const std::string failed = "Otwarcie portu COM3\r\nBłąd otwarcia portu !\r\n";
    EXPECT_EQ(messages.sequence,
              (std::vector<std::string>{"<Błąd otwarcia portu COM3 !>", failed}));
    EXPECT_EQ(Pane(), failed);

    console.SendCommand(ID_COM2);
    EXPECT_EQ(Pane(), "Wybrano port COM2\r\n");
    ConfigImage& image = console.Image();
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 2);
    }
    ConfigImage sent = image;
    sent[5] = 0;
    const std::string contact = "Otwarcie portu COM2\r\nNawiązywanie połączenia...\r\n";
    console.SendCommand(ID_SEND_CONFIGURATION);
    std::string blocks;
    for (const char* number : {"1", "2", "3", "4"}) {
        blocks += std::string("Zapis bloku ") + number + "...\r\nWeryfikacja ...OK.\r\n";
    }
    EXPECT_EQ(Pane(), contact + blocks +
                          "Ładowanie konfiguracji zakończone.\r\n"
                          "Restart modułu z nową konfiguracją...OK.\r\n");

    image.fill(0xEE);
    console.SendCommand(ID_READ_CONFIGURATION);
    EXPECT_EQ(Pane(), contact + "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\nOdczyt bloku 3...\r\n"
                                "Odczyt bloku 4...\r\nOdczyt konfiguracji zakończony.\r\n");
    EXPECT_TRUE(std::equal(image.begin() + 3, image.begin() + 512, sent.begin() + 3));
    EXPECT_EQ(image[0], 1) << "the module's own first bytes come back";
    EXPECT_TRUE(std::all_of(image.begin() + 512, image.end(), [](auto b) { return b == 0xEE; }));

    // The window keeps answering during an operation, but a close waits for the operation's
    // end, so the port is closed and the module left between frames.
    bool stayedOpenMeanwhile = false;
    RunLater(300, [&] {
        console.Close();
        stayedOpenMeanwhile = console.IsWindowVisible();
    });
    console.SendCommand(ID_MODULE_VERSION);
    EXPECT_TRUE(stayedOpenMeanwhile);
    EXPECT_EQ(Pane(), contact + "Wersja modułu : G8v3.14\r\n");
    EXPECT_FALSE(console.IsWindowVisible());
    EXPECT_EQ(console.GetResult(), IDCANCEL);
    EXPECT_EQ(messages.texts.size(), 1u);
}

} // namespace
