#include "app/console_dlg.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"
#include "tools/sim_process.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const std::string kContactLines = "Otwarcie portu COM4\r\nNawiązywanie połączenia...\r\n";

// The console's own menu commands against the simulated module on a pseudo-terminal, at the
// module's real pace.
class ConsoleModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<unsigned char> memory(512);
        for (std::size_t i = 0; i < memory.size(); ++i) {
            memory[i] = static_cast<unsigned char>(i * 13 + 1);
        }
        WriteAllBytes(folder / "module.bin", memory);
        simulator = std::make_unique<SimProcess>(
            GRT8_SIM_PATH, std::vector<std::string>{"--memory", (folder / "module.bin").string(),
                                                    "--version", "G8v3.14"});
        ASSERT_FALSE(simulator->path().empty()) << simulator->ErrorOutput();
        setenv("GRT8_COM4", simulator->path().c_str(), 1);
        console.ShowWindow(true);
        console.SendCommand(ID_COM4);
    }

    void TearDown() override { unsetenv("GRT8_COM4"); }

    std::string Pane() const { return console.ItemText(IDC_LOG); }

    TemporaryFolder folder;
    std::unique_ptr<SimProcess> simulator;
    MessageBoxRecorder messages;
    CConsoleDlg console{""};
};

TEST_F(ConsoleModuleTest, VersionCommandShowsTheModulesAnswer) {
    console.SendCommand(ID_MODULE_VERSION);
    EXPECT_EQ(Pane(), kContactLines + "Wersja modułu : G8v3.14\r\n");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConsoleModuleTest, SendThenReadGivesBackWhatWasSent) {
    ConfigImage& image = console.Image();
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 2);
    }
    const ConfigImage sent = [&] {
        ConfigImage copy = image;
        copy[5] = 0;
        return copy;
    }();

    console.SendCommand(ID_SEND_CONFIGURATION);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_NE(Pane().find("Restart modułu z nową konfiguracją...OK.\r\n"), std::string::npos);

    image.fill(0xEE);
    console.SendCommand(ID_READ_CONFIGURATION);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Pane(), kContactLines +
                          "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\nOdczyt bloku 3...\r\n"
                          "Odczyt bloku 4...\r\nOdczyt konfiguracji zakończony.\r\n");
    EXPECT_TRUE(std::equal(image.begin() + 3, image.begin() + 512, sent.begin() + 3));
    EXPECT_EQ(image[0], 1) << "the module's own first bytes come back";
    EXPECT_TRUE(std::all_of(image.begin() + 512, image.end(), [](auto b) { return b == 0xEE; }));
}

// The window keeps answering the window system during an operation, but a close waits for the
// operation's end, so the port is closed and the module left between frames.
TEST_F(ConsoleModuleTest, ClosingDuringAnOperationWaitsForItsEnd) {
    bool closeArrivedDuringOperation = false;
    bool stayedOpenMeanwhile = false;
    RunLater(300, [&] {
        closeArrivedDuringOperation = true;
        console.Close();
        stayedOpenMeanwhile = console.IsWindowVisible();
    });
    console.SendCommand(ID_MODULE_VERSION);
    EXPECT_TRUE(closeArrivedDuringOperation);
    EXPECT_TRUE(stayedOpenMeanwhile);
    EXPECT_EQ(Pane(), kContactLines + "Wersja modułu : G8v3.14\r\n");
    EXPECT_FALSE(console.IsWindowVisible());
    EXPECT_EQ(console.GetResult(), IDCANCEL);
}

TEST_F(ConsoleModuleTest, MissingPortIsReported) {
    setenv("GRT8_COM4", (folder / "no-such-device").c_str(), 1);
    console.SendCommand(ID_READ_CONFIGURATION);
    EXPECT_EQ(Pane(), "Otwarcie portu COM4\r\nBłąd otwarcia portu !\r\n");
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd otwarcia portu COM4 !"});
}

} // namespace
