#include "app/console_dlg.h"
#include "config/config_file.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"

#include <cctype>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

ConfigImage SampleImage(std::uint8_t seed) {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * seed + 1);
    }
    StoreCheckWord(image);
    return image;
}

// The names as the folder holds them: on Windows "a.gr8" and "A.GR8" are one file.
std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

class ConsoleFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    void TearDown() override { std::filesystem::current_path(m_previousFolder); }

    CConsoleDlg& Start(const std::optional<std::string>& argumentText = std::nullopt) {
        console = std::make_unique<CConsoleDlg>(argumentText);
        console->ShowWindow(true);
        return *console;
    }
    std::string Pane() const { return console->ItemText(IDC_LOG); }
    void SaveFile(const std::filesystem::path& path, ConfigImage image) {
        ASSERT_TRUE(WriteConfigFile(path, image));
    }

    TemporaryFolder folder;
    MessageBoxRecorder messages;
    FileDialogAnswers answers;
    std::unique_ptr<CConsoleDlg> console;

private:
    std::filesystem::path m_previousFolder;
};

TEST_F(ConsoleFilesTest, StartupLoadsAQuotedPathWithABlank) {
    std::filesystem::create_directory(folder / "Moje pliki");
    const auto path = folder / "Moje pliki" / "obiekt.gr8";
    SaveFile(path, SampleImage(3));
    CConsoleDlg& window = Start("\"" + path.string() + "\"");
    EXPECT_EQ(window.Image(), SampleImage(3));
    EXPECT_EQ(Pane(), std::string("Ustawienia odczytane z pliku:\r\n") + path.string() + "\r\n");
}

TEST_F(ConsoleFilesTest, StartupLoadsDefaultFileFromTheWorkingFolder) {
    SaveFile(folder / "default.gr8", SampleImage(5));
    CConsoleDlg& window = Start();
    EXPECT_EQ(window.Image(), SampleImage(5));
    EXPECT_EQ(Pane(), "Ustawienia odczytane z pliku:\r\ndefault.gr8\r\n");
}

TEST_F(ConsoleFilesTest, StartupSkipsNamesThatDoNotOpenWithoutAWord) {
    SaveFile(folder / "default.gr8", SampleImage(5));
    SaveFile(folder / "a.gr8", SampleImage(7));
    for (const char* argumentText : {"\"\"", "", "a.gr8 /eeprom", "missing.gr8"}) {
        CConsoleDlg& window = Start(argumentText);
        EXPECT_EQ(window.Image(), ConfigImage{}) << argumentText;
        EXPECT_EQ(Pane(), "") << argumentText;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConsoleFilesTest, StartupWithADamagedFileSaysSoAndKeepsAZeroImage) {
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(1024, 0x33));
    CConsoleDlg& window = Start("zly.gr8");
    EXPECT_EQ(window.Image(), ConfigImage{});
    EXPECT_EQ(Pane(), "Niewłaściwy format pliku !\r\nzly.gr8\r\n");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConsoleFilesTest, LoadReplacesTheImageAndLogsTheUpperCasePath) {
    const auto path = folder / "obiekt.gr8";
    SaveFile(path, SampleImage(9));
    CConsoleDlg& window = Start();
    window.m_strLog = "Wybrano port COM2\r\n";
    answers.Push(path.string());
    window.SendCommand(ID_LOAD_FILE);
    EXPECT_EQ(answers.asked, std::vector<FileDialogKind>{FileDialogKind::Open});
    EXPECT_EQ(window.Image(), SampleImage(9));
    EXPECT_EQ(Pane(), std::string("Wybrano port COM2\r\nOdczytano konfigurację z pliku:\r\n") +
                          Upper(path.string()) + "\r\n");
}

TEST_F(ConsoleFilesTest, LoadRefusesBadFilesAndKeepsImageAndLog) {
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(700, 0x33));
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(11);
    window.m_strLog = "Wybrano port COM2\r\n";
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    answers.Push((folder / "zly.gr8").string());
    answers.Push((folder / "brak.gr8").string());
    answers.Push(folder.Path().string());
    answers.Push(std::nullopt);
    for (int command = 0; command < 4; ++command) {
        window.SendCommand(ID_LOAD_FILE);
        EXPECT_EQ(window.Image(), SampleImage(11));
        EXPECT_EQ(Pane(), "Wybrano port COM2\r\n") << "the pane is refreshed";
    }
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Niewłaściwy format pliku !", "Błąd otwarcia pliku !",
                                        "Błąd otwarcia pliku !"}));
}

TEST_F(ConsoleFilesTest, SaveCreatesAnUpperCaseNameAndLogsIt) {
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(13);
    window.Image()[1022] = 0;
    answers.Push((folder / "obiekt.gr8").string());
    window.SendCommand(ID_SAVE_FILE);
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"OBIEKT.GR8"});
    EXPECT_TRUE(CheckWordMatches(window.Image())) << "save recomputes the check word in memory";
    EXPECT_EQ(Pane(), std::string("Zapisano konfigurację do pliku:\r\n") +
                          Upper((folder / "obiekt.gr8").string()) + "\r\n");
    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(folder / "OBIEKT.GR8", loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded, window.Image());
}

TEST_F(ConsoleFilesTest, SaveWritesOverTheChosenExistingFile) {
    SaveFile(folder / "stary.gr8", SampleImage(3));
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(17);
    answers.Push((folder / "stary.gr8").string());
    window.SendCommand(ID_SAVE_FILE);
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"stary.gr8"});
    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(folder / "stary.gr8", loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded, SampleImage(17));
}

TEST_F(ConsoleFilesTest, FailedSaveSaysSoAndLogsNothing) {
    CConsoleDlg& window = Start();
    window.m_strLog = "Wybrano port COM3\r\n";
    window.RefreshLogPane();
    answers.Push((folder / "brak" / "obiekt.gr8").string());
    answers.Push(std::nullopt);
    window.SendCommand(ID_SAVE_FILE);
    window.SendCommand(ID_SAVE_FILE);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd zapisu pliku !"});
    EXPECT_EQ(window.m_strLog, "Wybrano port COM3\r\n");
    EXPECT_EQ(Pane(), "Wybrano port COM3\r\n");
}

} // namespace
