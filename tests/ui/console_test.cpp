#include "app/console_dlg.h"
#include "config/config_file.h"
#include "config/image_layout.h"
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_texts_dlg.h"
#include "platform/data_exchange.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

namespace {

const int kPortItems[] = {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5,
                          ID_COM6, ID_COM7, ID_COM8, ID_COM9};

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
    std::string Path(const char* name) const { return (folder / name).string(); }

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
    const struct {
        bool defaultFile;
        std::optional<std::string> argument;
        ConfigImage image;
        std::string pane;
    } cases[] = {
        {false, std::nullopt, {}, ""},
        {true, std::nullopt, SampleImage(5), "Ustawienia odczytane z pliku:\r\ndefault.gr8\r\n"},
        {true, "\"" + blankPath + "\"", SampleImage(3),
         "Ustawienia odczytane z pliku:\r\n" + blankPath + "\r\n"},
        {true, "\"\"", {}, ""},
        {true, "", {}, ""},
        {true, "a.gr8 /eeprom", {}, ""},
        {true, "missing.gr8", {}, ""},
        {true, "zly.gr8", {}, "Niewłaściwy format pliku !\r\nzly.gr8\r\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder / "default.gr8");
        if (c.defaultFile) {
            Save(folder / "default.gr8", SampleImage(5));
        }
        CConsoleDlg& window = Start(c.argument);
        const std::string label = c.argument.value_or("(none)");
        EXPECT_EQ(window.Image(), c.image) << label;
        EXPECT_EQ(Pane(), c.pane) << label;
        EXPECT_EQ(window.m_strLog, c.pane) << label;
        EXPECT_EQ(window.Caption(), "Konsola GRT-8");
        EXPECT_EQ(window.FocusedItemId(), IDC_LOG);
        for (const int item : kPortItems) {
            EXPECT_EQ(window.Menu().IsChecked(item), item == ID_COM1) << label;
        }
    }
    EXPECT_TRUE(messages.texts.empty());
}

// A port choice replaces the whole log and moves the only check mark; keys neither close the
// window nor leave a trace in the pane; the About box shows the version each time.
TEST_F(ConsoleTest, PortsKeysAndAboutBox) {
    CConsoleDlg& window = Start();
    for (const int pass : {0, 1}) {
        for (int chosen = 8; chosen >= 0; --chosen) {
            const std::string digit = std::to_string(chosen + 1);
            window.m_strLog = "stare\r\n";
            window.AppendToLogPane("Odczyt bloku 1...\r\n");
            window.SendCommand(kPortItems[chosen]);
            EXPECT_EQ(window.m_strLog, "Wybrano port COM" + digit + "\r\n") << pass;
            EXPECT_EQ(Pane(), window.m_strLog);
            EXPECT_EQ(std::string(g_comPortDigit), digit);
            for (int item = 0; item < 9; ++item) {
                EXPECT_EQ(window.Menu().IsChecked(kPortItems[item]), item == chosen) << digit;
            }
        }
    }
    window.m_strLog = "log\r\n";
    for (const int target : {IDC_LOG, 0}) {
        for (const TestKey key : {TestKey::Escape, TestKey::Return, TestKey::Enter}) {
            PressKey(window, target, key);
            EXPECT_TRUE(window.IsWindowVisible());
        }
    }
    // A key aimed at the window puts the log text back into the pane at once, so what an
    // operation appended goes with the key's trace.
    window.RefreshLogPane();
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    PressKey(window, 0, TestKey::LetterA);
    EXPECT_EQ(Pane(), "log\r\n");
    for (int round = 0; round < 2; ++round) {
        std::string shown;
        ASSERT_TRUE(WithNextModalDialog(
            [&] { window.SendCommand(IDM_ABOUTBOX); },
            [&](CDialog& about) { shown = about.Caption() + "|" + about.ItemText(IDC_VERSION); }));
        EXPECT_EQ(shown, "O programie|2.6");
    }
    EXPECT_TRUE(window.IsWindowVisible());
    EXPECT_TRUE(messages.texts.empty());
}

// Each command opens its own editor on the console's image; the console is left as it was,
// apart from the pane's text taken into the log.
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

// Every file command in one session, each message box recorded with the pane as it was then:
// the box comes before the pane is refreshed from the log. Exit then takes the pane into the
// log.
TEST_F(ConsoleTest, FileCommandsReportInOrderAndKeepTheImageOnFailure) {
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(700, 0x33));
    Save(folder / "obiekt.gr8", SampleImage(11));
    Save(folder / "stary.gr8", SampleImage(3));
    CConsoleDlg& window = Start();
    const std::string port = "Wybrano port COM2\r\n";
    window.m_strLog = port;
    window.ClearLogPane();
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    for (const auto& answer : std::vector<std::optional<std::string>>{
             Path("zly.gr8"), Path("brak.gr8"), folder.Path().string(), std::nullopt,
             Path("obiekt.gr8"), Path("brak/x.gr8"), std::nullopt, Path("nowy.gr8"),
             Path("stary.gr8")}) {
        answers.Push(answer);
    }
    for (int load = 0; load < 4; ++load) {
        window.SendCommand(ID_LOAD_FILE);
        EXPECT_EQ(window.Image(), ConfigImage{});
    }
    window.SendCommand(ID_LOAD_FILE);
    EXPECT_EQ(window.Image(), SampleImage(11));
    window.Image()[1022] = 0;
    for (int save = 0; save < 4; ++save) {
        window.SendCommand(ID_SAVE_FILE);
    }
    const std::string loaded =
        port + "Odczytano konfigurację z pliku:\r\n" + ToUpperCase(Path("obiekt.gr8")) + "\r\n";
    const std::string saved = "Zapisano konfigurację do pliku:\r\n";
    EXPECT_EQ(messages.sequence,
              (std::vector<std::string>{"<Niewłaściwy format pliku !>", "Odczyt bloku 1...\r\n",
                                        "<Błąd otwarcia pliku !>", port, "<Błąd otwarcia pliku !>",
                                        port, "<Błąd zapisu pliku !>", loaded}));
    std::vector<FileDialogKind> asked(5, FileDialogKind::Open);
    asked.resize(9, FileDialogKind::Save);
    EXPECT_EQ(answers.asked, asked);
    const std::string log = loaded + saved + ToUpperCase(Path("nowy.gr8")) + "\r\n" + saved +
                            ToUpperCase(Path("stary.gr8")) + "\r\n";
    EXPECT_EQ(Pane(), log);
    EXPECT_TRUE(CheckWordMatches(window.Image())) << "save recomputes the check word in memory";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"NOWY.GR8", "obiekt.gr8", "stary.gr8", "zly.gr8"}));
    for (const char* name : {"NOWY.GR8", "stary.gr8"}) {
        ConfigImage written{};
        EXPECT_EQ(ReadConfigFile(folder / name, written), ReadResult::Loaded) << name;
        EXPECT_EQ(written, window.Image()) << name;
    }

    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    window.SendCommand(ID_EXIT);
    EXPECT_FALSE(window.IsWindowVisible());
    EXPECT_EQ(window.GetResult(), IDOK);
    EXPECT_EQ(window.m_strLog, "Odczyt bloku 1...\r\n" + log)
        << "a refreshed pane's caret is at its top";
}

// The pane keeps "\r\n" line ends, shows a replaced text from its top and appends at its
// caret without an undo record; the dialog layer's numbers are decimal between blanks.
TEST(DialogLayer, LogPaneAndNumbers) {
    CDialog dialog(IDD_CONSOLE);
    CEdit pane(dialog.GetDlgItem(IDC_LOG));
    dialog.SetItemText(IDC_LOG, "jeden\r\ndwa\r\n");
    EXPECT_EQ(pane.GetSel(), std::make_pair(0, 0));
    EXPECT_EQ(dialog.ItemText(IDC_LOG), "jeden\r\ndwa\r\n");
    pane.SetSel(0, -1);
    pane.ReplaceSel("");
    pane.ReplaceSel("Weryfikacja ...");
    pane.ReplaceSel("OK.\r\n");
    EXPECT_EQ(dialog.ItemText(IDC_LOG), "Weryfikacja ...OK.\r\n");
    EXPECT_FALSE(pane.CanUndo());

    const std::pair<const char*, std::optional<int>> numbers[] = {
        {"\t-25 ", -25}, {"007", 7},   {"99999999999999999999", INT_MAX},
        {"", {}},        {" ", {}},    {"+", {}},
        {"- 5", {}},     {"5 5", {}},  {"0x10", {}},
        {"1e3", {}},     {"12,5", {}}, {"٣", {}}};
    for (const auto& [text, expected] : numbers) {
        int value = 0;
        EXPECT_EQ(ParseDialogInteger(text, value), expected.has_value()) << text;
        EXPECT_EQ(value, expected.value_or(0)) << text;
    }
}

} // namespace
