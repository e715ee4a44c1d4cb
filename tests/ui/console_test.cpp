#include "app/console_dlg.h"
#include "config/config_file.h"
#include "config/image_layout.h"
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_texts_dlg.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <memory>

namespace {

ConfigImage SampleImage(std::uint8_t seed) {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * seed + 1);
    }
    StoreCheckWord(image);
    return image;
}

void Save(const std::filesystem::path& path, ConfigImage image) {
    ASSERT_TRUE(WriteConfigFile(path, image));
}

// The names as the folder holds them, sorted: on Windows "a.gr8" and "A.GR8" are one file.
std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Each test starts the console in a working folder of its own.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_comPortDigit[0] = '1';
        m_previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    void TearDown() override { std::filesystem::current_path(m_previousFolder); }

    CConsoleDlg& Start(const std::optional<std::string>& argumentText = std::nullopt) {
        console = std::make_unique<CConsoleDlg>(argumentText);
        console->ShowWindow(true);
        messages.RecordWithLogOf(*console, IDC_LOG);
        return *console;
    }
    std::string Pane() const { return console->ItemText(IDC_LOG); }

    TemporaryFolder folder;
    MessageBoxRecorder messages;
    FileDialogAnswers answers;
    std::unique_ptr<CConsoleDlg> console;

private:
    std::filesystem::path m_previousFolder;
};

TEST_F(ConsoleTest, StartupLoadsTheNamedOrDefaultFileAndLogsIt) {
    std::filesystem::create_directory(folder / "Moje pliki");
    const std::string blankPath = (folder / "Moje pliki" / "obiekt.gr8").string();
    Save(blankPath, SampleImage(3));
    Save(folder / "a.gr8", SampleImage(7));
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(1024, 0x33));
    const ConfigImage zero{};
    const auto withDefault = [&](bool present) {
        std::filesystem::remove(folder / "default.gr8");
        if (present) {
            Save(folder / "default.gr8", SampleImage(5));
        }
    };
    struct Case {
        bool defaultFile;
        std::optional<std::string> argument;
        ConfigImage image;
        std::string pane;
    };
    const Case cases[] = {
        {false, std::nullopt, zero, ""},
        {true, std::nullopt, SampleImage(5), "Ustawienia odczytane z pliku:\r\ndefault.gr8\r\n"},
        {true, "\"" + blankPath + "\"", SampleImage(3),
         "Ustawienia odczytane z pliku:\r\n" + blankPath + "\r\n"},
        {true, "\"\"", zero, ""},
        {true, "", zero, ""},
        {true, "a.gr8 /eeprom", zero, ""},
        {true, "missing.gr8", zero, ""},
        {true, "zly.gr8", zero, "Niewłaściwy format pliku !\r\nzly.gr8\r\n"},
    };
    for (const Case& c : cases) {
        withDefault(c.defaultFile);
        CConsoleDlg& window = Start(c.argument);
        const std::string label = c.argument.value_or("(none)");
        EXPECT_EQ(window.Image(), c.image) << label;
        EXPECT_EQ(Pane(), c.pane) << label;
        EXPECT_EQ(window.m_strLog, c.pane) << label;
        EXPECT_EQ(window.Caption(), "Konsola GRT-8");
        EXPECT_EQ(window.FocusedItemId(), IDC_LOG);
        EXPECT_TRUE(window.Menu().IsChecked(ID_COM1));
        EXPECT_EQ(g_comPortDigit[0], '1');
    }
    EXPECT_TRUE(messages.texts.empty());
}

// A port choice replaces the whole log, each time, and moves the only check mark.
TEST_F(ConsoleTest, EachPortItemSelectsItsPortAlone) {
    const int items[] = {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5,
                         ID_COM6, ID_COM7, ID_COM8, ID_COM9};
    CConsoleDlg& window = Start();
    for (const int pass : {0, 1}) {
        for (int chosen = 8; chosen >= 0; --chosen) {
            const std::string digit = std::to_string(chosen + 1);
            window.m_strLog = "stare\r\n";
            window.AppendToLogPane("Odczyt bloku 1...\r\n");
            window.SendCommand(items[chosen]);
            EXPECT_EQ(window.m_strLog, "Wybrano port COM" + digit + "\r\n") << pass;
            EXPECT_EQ(Pane(), window.m_strLog);
            EXPECT_EQ(std::string(g_comPortDigit), digit);
            for (int item = 0; item < 9; ++item) {
                EXPECT_EQ(window.Menu().IsChecked(items[item]), item == chosen) << digit << item;
            }
        }
    }
}

TEST_F(ConsoleTest, KeysNeitherCloseTheWindowNorStayInThePane) {
    CConsoleDlg& window = Start();
    window.m_strLog = "log\r\n";
    for (const int target : {IDC_LOG, 0}) {
        for (const TestKey key : {TestKey::Escape, TestKey::Return, TestKey::Enter}) {
            PressKey(window, target, key);
            EXPECT_TRUE(window.IsWindowVisible());
        }
    }
    // A key aimed at the window leaves its trace and at once puts the log text back into the
    // pane, so what an operation appended goes with the trace.
    window.RefreshLogPane();
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    PressKey(window, 0, TestKey::LetterA);
    EXPECT_EQ(Pane(), "log\r\n");
    EXPECT_TRUE(window.IsWindowVisible());
}

TEST_F(ConsoleTest, AboutBoxShowsTheVersionEveryTime) {
    CConsoleDlg& window = Start();
    for (int round = 0; round < 2; ++round) {
        std::string shown;
        ASSERT_TRUE(WithNextModalDialog(
            [&] { window.SendCommand(IDM_ABOUTBOX); },
            [&](CDialog& about) { shown = about.Caption() + "|" + about.ItemText(IDC_VERSION); }));
        EXPECT_EQ(shown, "O programie|2.6");
    }
}

// Each command opens its own editor on the console's image; the console itself is left
// exactly as it was, apart from the pane's text taken into the log.
TEST_F(ConsoleTest, EachConfigurationCommandOpensItsEditor) {
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(9);
    window.Image()[kReportFlagsOffset] = 0x01;
    const ConfigImage before = window.Image();
    window.m_strLog = "stare\r\n";
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    const std::string pane = Pane();
    using IsEditor = bool (*)(CDialog&);
    const std::pair<int, IsEditor> commands[] = {
        {ID_GENERAL_SETTINGS,
         [](CDialog& d) { return dynamic_cast<CGeneralSettingsDlg*>(&d) != nullptr; }},
        {ID_LINE_SETTINGS,
         [](CDialog& d) { return dynamic_cast<CLineSettingsDlg*>(&d) != nullptr; }},
        {ID_SMS_TEXTS, [](CDialog& d) { return dynamic_cast<CSmsTextsDlg*>(&d) != nullptr; }},
        {ID_REPORTS_CONTROL,
         [](CDialog& d) {
             return dynamic_cast<CReportsControlDlg*>(&d) != nullptr &&
                    d.IsDlgButtonChecked(IDC_REPORT_TEL_1);
         }},
    };
    for (const auto& [command, isItsEditor] : commands) {
        bool opened = false;
        ASSERT_TRUE(WithNextModalDialog([&] { window.SendCommand(command); },
                                        [&](CDialog& editor) { opened = isItsEditor(editor); }));
        EXPECT_TRUE(opened) << command;
        EXPECT_EQ(window.m_strLog, pane);
        EXPECT_EQ(Pane(), pane);
        EXPECT_EQ(window.Image(), before);
    }
}

// Every file command in one session: each message box comes before the pane is refreshed from
// the log, so the lines an operation wrote are still there when it shows.
TEST_F(ConsoleTest, FileCommandsReportInOrderAndKeepTheImageOnFailure) {
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(700, 0x33));
    Save(folder / "obiekt.gr8", SampleImage(11));
    Save(folder / "stary.gr8", SampleImage(3));
    CConsoleDlg& window = Start();
    window.m_strLog = "Wybrano port COM2\r\n";
    window.ClearLogPane();
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    for (const auto& answer : std::vector<std::optional<std::filesystem::path>>{
             folder / "zly.gr8", folder / "brak.gr8", folder.Path(), std::nullopt}) {
        answers.Push(answer ? std::optional(answer->string()) : std::nullopt);
        window.SendCommand(ID_LOAD_FILE);
        EXPECT_EQ(window.Image(), ConfigImage{});
    }
    const std::string port = "Wybrano port COM2\r\n";
    EXPECT_EQ(messages.sequence,
              (std::vector<std::string>{"<Niewłaściwy format pliku !>", "Odczyt bloku 1...\r\n",
                                        "<Błąd otwarcia pliku !>", port, "<Błąd otwarcia pliku !>",
                                        port}));
    EXPECT_EQ(Pane(), port);

    const std::string loaded = Upper((folder / "obiekt.gr8").string());
    answers.Push((folder / "obiekt.gr8").string());
    window.SendCommand(ID_LOAD_FILE);
    EXPECT_EQ(window.Image(), SampleImage(11));
    window.Image()[1022] = 0;
    answers.Push((folder / "brak" / "x.gr8").string());
    answers.Push(std::nullopt);
    answers.Push((folder / "nowy.gr8").string());
    answers.Push((folder / "stary.gr8").string());
    for (int save = 0; save < 4; ++save) {
        window.SendCommand(ID_SAVE_FILE);
    }
    EXPECT_EQ(messages.texts.back(), "Błąd zapisu pliku !");
    EXPECT_EQ(messages.sequence.size(), 8u);
    std::vector<FileDialogKind> asked(5, FileDialogKind::Open);
    asked.resize(9, FileDialogKind::Save);
    EXPECT_EQ(answers.asked, asked);
    const std::string saved = "Zapisano konfigurację do pliku:\r\n";
    EXPECT_EQ(Pane(), port + "Odczytano konfigurację z pliku:\r\n" + loaded + "\r\n" + saved +
                          Upper((folder / "nowy.gr8").string()) + "\r\n" + saved +
                          Upper((folder / "stary.gr8").string()) + "\r\n");
    EXPECT_TRUE(CheckWordMatches(window.Image())) << "save recomputes the check word in memory";
    EXPECT_EQ(NamesIn(folder.Path()),
              (std::vector<std::string>{"NOWY.GR8", "obiekt.gr8", "stary.gr8", "zly.gr8"}));
    for (const char* name : {"NOWY.GR8", "stary.gr8"}) {
        ConfigImage written{};
        EXPECT_EQ(ReadConfigFile(folder / name, written), ReadResult::Loaded) << name;
        EXPECT_EQ(written, window.Image()) << name;
    }
}

TEST_F(ConsoleTest, ExitEndsWithOkAndCopiesThePaneIntoTheLog) {
    CConsoleDlg& window = Start();
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    window.SendCommand(ID_EXIT);
    EXPECT_FALSE(window.IsWindowVisible());
    EXPECT_EQ(window.GetResult(), IDOK);
    EXPECT_EQ(window.m_strLog, "Odczyt bloku 1...\r\n");
}

} // namespace
