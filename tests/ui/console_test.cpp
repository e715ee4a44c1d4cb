#include "app/console_dlg.h"
#include "config/config_file.h"
#include "platform/file_dialogs.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sstream>

namespace {

const int kPortItems[] = {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5,
                          ID_COM6, ID_COM7, ID_COM8, ID_COM9};

// A configuration file whose image is told apart by its second byte, seed + 1.
void SaveSample(const std::filesystem::path& path, std::uint8_t seed) {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * seed + 1);
    }
    ASSERT_TRUE(WriteConfigFile(path, image));
}

// Each test starts the console in a working folder of its own and writes down after each step
// what the user saw: every message box with the pane as it was when the box showed, the pane,
// the log text, the port and its check marks, the image. The whole must equal the file named
// after the test in expected/.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_comPortDigit[0] = '1';
        m_previousFileDialogs = SetFileDialogHandler([this](FileDialogKind kind) {
            m_dialogs += kind == FileDialogKind::Open ? " (Open dialog)" : " (Save dialog)";
            return std::exchange(answer, std::nullopt);
        });
        m_previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(m_previousFolder);
        SetFileDialogHandler(std::move(m_previousFileDialogs));
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::ifstream expected(GRT8_UI_EXPECTED "/" + test + ".txt", std::ios::binary);
        EXPECT_EQ(transcript, (std::ostringstream() << expected.rdbuf()).str());
    }

    CConsoleDlg& Start(const std::optional<std::string>& argumentText = std::nullopt) {
        console = std::make_unique<CConsoleDlg>(argumentText);
        console->ShowWindow(true);
        messages.RecordWithLogOf(*console, IDC_LOG);
        m_boxesSeen = 0;
        return *console;
    }
    std::string Path(const char* name) const { return (folder / name).string(); }

    void Step(const std::string& title) {
        transcript += "== " + title + std::exchange(m_dialogs, "") + "\n";
        for (; m_boxesSeen < messages.sequence.size(); m_boxesSeen += 2) {
            transcript += "box " + messages.sequence[m_boxesSeen] + " over " +
                          Shown(messages.sequence[m_boxesSeen + 1]) + "\n";
        }
        transcript += "pane " + Shown(console->ItemText(IDC_LOG)) + "\nlog  " +
                      Shown(console->m_strLog) + "\nport COM" + g_comPortDigit + ", check marks ";
        for (const int item : kPortItems) {
            transcript += console->Menu().IsChecked(item) ? "+" : "-";
        }
        transcript += ", image " + std::to_string(console->Image()[1]) +
                      (CheckWordMatches(console->Image()) ? ", check word right" : "") +
                      (console->IsWindowVisible() ? "\n" : ", window closed\n");
    }
    // The working folder as <folder>, whichever form the log gives it, separators as "/" and
    // line ends visible.
    std::string Shown(std::string text) const {
        std::filesystem::path preferred = folder.Path();
        for (const std::string& form :
             {folder.Path().string(), ToUpperCase(preferred.make_preferred().string())}) {
            for (std::size_t at = 0; (at = text.find(form)) != std::string::npos;) {
                text.replace(at, form.size(), "<folder>");
            }
        }
        std::string shown;
        for (const char c : text) {
            shown += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\\' ? "/" : std::string(1, c);
        }
        return "\"" + shown + "\"";
    }

    TemporaryFolder folder;
    MessageBoxRecorder messages;
    std::optional<std::string> answer; // what the next file dialog answers, once
    std::unique_ptr<CConsoleDlg> console;
    std::string transcript;

private:
    std::filesystem::path m_previousFolder;
    FileDialogHandler m_previousFileDialogs;
    std::string m_dialogs; // the file dialogs shown since the last step
    std::size_t m_boxesSeen = 0;
};

TEST_F(ConsoleTest, StartupLoadsTheNamedOrDefaultFile) {
    std::filesystem::create_directory(folder / "Moje pliki");
    SaveSample(folder / "Moje pliki" / "obiekt.gr8", 3);
    SaveSample(folder / "a.gr8", 7);
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(1024, 0x33));
    Start();
    Step("no argument, no default.gr8");
    SaveSample(folder / "default.gr8", 5);
    for (const auto& argument : std::vector<std::optional<std::string>>{
             std::nullopt, "\"" + Path("Moje pliki/obiekt.gr8") + "\"", "\"\"", "", "a.gr8 /eeprom",
             "missing.gr8", "zly.gr8"}) {
        CConsoleDlg& window = Start(argument);
        Step(Shown(argument.value_or("no argument")));
        EXPECT_EQ(window.FocusedItemId(), IDC_LOG);
    }
}

// The menu bar's popups in order, every menu item with its label and every command in one
// session. A port choice replaces the whole log and moves the only check mark; keys (either Enter
// among them) neither close the window nor change the pane.
TEST_F(ConsoleTest, EveryMenuCommandInOneSession) {
    CConsoleDlg& window = Start();
    transcript += "popups" + PopupTitles(window.Menu()) + "\n";
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (const std::string label = window.Menu().GetMenuString(id); !label.empty()) {
            transcript += "item " + std::to_string(id) + " " + label + "\n";
        }
    }
    for (int chosen = 17; chosen >= 0; --chosen) {
        window.m_strLog = "stare\r\n";
        window.AppendToLogPane("Odczyt bloku 1...\r\n");
        window.SendCommand(kPortItems[chosen % 9]);
        Step("port item " + std::to_string(chosen % 9 + 1));
    }
    window.m_strLog = "log\r\n";
    for (const int target : {IDC_LOG, 0}) {
        for (const TestKey key :
             {TestKey::Escape, TestKey::Return, TestKey::KeypadEnter, TestKey::LetterA}) {
            PressKey(window, target, key);
        }
        Step(target == 0 ? "keys at the window" : "keys in the pane");
    }
    // A key aimed at the window puts the log text back into the pane at once, so what an
    // operation appended goes with the key's trace.
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    PressKey(window, 0, TestKey::LetterA);
    Step("a letter at the window after an operation's line");
    // The About box, twice, then each Konfiguracja command's own editor on the console's image,
    // after the pane's text is taken into the log; the console is left as it was.
    window.Image()[1] = 10;
    const ConfigImage before = window.Image();
    window.m_strLog = "stare\r\n";
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    for (const int command : {IDM_ABOUTBOX, IDM_ABOUTBOX, ID_GENERAL_SETTINGS, ID_LINE_SETTINGS,
                              ID_SMS_TEXTS, ID_REPORTS_CONTROL}) {
        ASSERT_TRUE(WithNextModalDialog(
            [&] { window.SendCommand(command); },
            [&](CDialog& shown) {
                Step(shown.Caption() +
                     (command == IDM_ABOUTBOX ? ", " + shown.ItemText(IDC_VERSION) : ""));
            }));
        EXPECT_EQ(window.Image(), before);
    }
    Step("the dialogs closed");

    // Every file command, each failure's box before the pane is refreshed from the log; Exit
    // then takes the pane into the log.
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(700, 0x33));
    SaveSample(folder / "obiekt.gr8", 11);
    SaveSample(folder / "stary.gr8", 3);
    window.m_strLog = "Wybrano port COM2\r\n";
    window.ClearLogPane();
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    const std::pair<int, std::optional<std::string>> commands[] = {
        {ID_LOAD_FILE, Path("zly.gr8")},    {ID_LOAD_FILE, Path("brak.gr8")},
        {ID_LOAD_FILE, Path("")},           {ID_LOAD_FILE, std::nullopt},
        {ID_LOAD_FILE, Path("obiekt.gr8")}, {ID_SAVE_FILE, Path("brak/x.gr8")},
        {ID_SAVE_FILE, std::nullopt},       {ID_SAVE_FILE, Path("nowy.gr8")},
        {ID_SAVE_FILE, Path("stary.gr8")}};
    for (const auto& [command, chosen] : commands) {
        window.Image()[100] = 0x77; // a change, for which a save recomputes the check word
        answer = chosen;
        window.SendCommand(command);
        Step(Shown(chosen.value_or("cancelled")));
    }
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ConfigImage written{};
        ReadConfigFile(entry.path(), written);
        files.insert(entry.path().filename().string() +
                     (written == window.Image() ? ": the image" : ""));
    }
    EXPECT_EQ(files, (std::set<std::string>{"NOWY.GR8: the image", "obiekt.gr8",
                                            "stary.gr8: the image", "zly.gr8"}));
    window.AppendToLogPane("Odczyt bloku 1...\r\n");
    window.SendCommand(ID_EXIT);
    Step("exit");
    EXPECT_EQ(window.GetResult(), IDOK);
    EXPECT_FALSE(CEdit(window.GetDlgItem(IDC_LOG)).CanUndo()) << "the pane keeps no undo record";
}

} // namespace
