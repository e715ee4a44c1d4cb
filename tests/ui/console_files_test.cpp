#include "app/console_dlg.h"
#include "config/config_file.h"
#include "platform/log_pane.h"
#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QTimer>
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

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class ConsoleFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(Q(folder.Path()));
    }
    void TearDown() override { QDir::setCurrent(m_previousFolder); }

    CConsoleDlg& Start(const std::optional<std::string>& argumentText = std::nullopt) {
        console = std::make_unique<CConsoleDlg>(argumentText);
        console->show();
        return *console;
    }
    QString Pane() const { return PaneText(*console->Item<QPlainTextEdit>(IDC_LOG)); }
    void SaveFile(const std::filesystem::path& path, ConfigImage image) {
        ASSERT_TRUE(WriteConfigFile(path, image));
    }

    TemporaryFolder folder;
    MessageBoxRecorder messages;
    FileDialogAnswers answers;
    std::unique_ptr<CConsoleDlg> console;

private:
    QString m_previousFolder;
};

TEST_F(ConsoleFilesTest, StartupLoadsAQuotedPathWithABlank) {
    std::filesystem::create_directory(folder / "Moje pliki");
    const auto path = folder / "Moje pliki" / "obiekt.gr8";
    SaveFile(path, SampleImage(3));
    CConsoleDlg& window = Start("\"" + path.string() + "\"");
    EXPECT_EQ(window.Image(), SampleImage(3));
    EXPECT_EQ(Pane(), QStringLiteral("Ustawienia odczytane z pliku:\r\n") + Q(path) + "\r\n");
}

TEST_F(ConsoleFilesTest, StartupLoadsDefaultFileFromTheWorkingFolder) {
    SaveFile(folder / "default.gr8", SampleImage(5));
    CConsoleDlg& window = Start();
    EXPECT_EQ(window.Image(), SampleImage(5));
    EXPECT_EQ(Pane(), QStringLiteral("Ustawienia odczytane z pliku:\r\ndefault.gr8\r\n"));
}

TEST_F(ConsoleFilesTest, StartupSkipsNamesThatDoNotOpenWithoutAWord) {
    SaveFile(folder / "default.gr8", SampleImage(5));
    SaveFile(folder / "a.gr8", SampleImage(7));
    for (const char* argumentText : {"\"\"", "", "a.gr8 /eeprom", "missing.gr8"}) {
        CConsoleDlg& window = Start(argumentText);
        EXPECT_EQ(window.Image(), ConfigImage{}) << argumentText;
        EXPECT_EQ(Pane(), QString()) << argumentText;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConsoleFilesTest, StartupWithADamagedFileSaysSoAndKeepsAZeroImage) {
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(1024, 0x33));
    CConsoleDlg& window = Start("zly.gr8");
    EXPECT_EQ(window.Image(), ConfigImage{});
    EXPECT_EQ(Pane(), QStringLiteral("Niewłaściwy format pliku !\r\nzly.gr8\r\n"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ConsoleFilesTest, LoadReplacesTheImageAndLogsTheUpperCasePath) {
    const auto path = folder / "obiekt.gr8";
    SaveFile(path, SampleImage(9));
    CConsoleDlg& window = Start();
    window.m_strLog = QStringLiteral("Wybrano port COM2\r\n");
    answers.Push(Q(path));
    window.SendCommand(ID_LOAD_FILE);
    EXPECT_EQ(answers.asked, std::vector<FileDialogKind>{FileDialogKind::Open});
    EXPECT_EQ(window.Image(), SampleImage(9));
    EXPECT_EQ(Pane(), QStringLiteral("Wybrano port COM2\r\nOdczytano konfigurację z pliku:\r\n") +
                          Q(path).toUpper() + "\r\n");
}

TEST_F(ConsoleFilesTest, LoadRefusesBadFilesAndKeepsImageAndLog) {
    WriteAllBytes(folder / "zly.gr8", std::vector<unsigned char>(700, 0x33));
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(11);
    window.m_strLog = QStringLiteral("Wybrano port COM2\r\n");
    window.AppendToLogPane(QStringLiteral("Odczyt bloku 1...\r\n"));
    answers.Push(Q(folder / "zly.gr8"));
    answers.Push(Q(folder / "brak.gr8"));
    answers.Push(Q(folder.Path()));
    answers.Push(std::nullopt);
    for (int command = 0; command < 4; ++command) {
        window.SendCommand(ID_LOAD_FILE);
        EXPECT_EQ(window.Image(), SampleImage(11));
        EXPECT_EQ(Pane(), QStringLiteral("Wybrano port COM2\r\n")) << "the pane is refreshed";
    }
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Niewłaściwy format pliku !", "Błąd otwarcia pliku !",
                                        "Błąd otwarcia pliku !"}));
}

// The real Open dialog takes a name typed for a missing file; the load then says it did not open.
TEST_F(ConsoleFilesTest, OpenDialogTakesTheNameOfAMissingFile) {
    CConsoleDlg& window = Start();
    SetFileDialogHandler(nullptr);
    const auto typeNameAndAccept = [&](QDialog& dialog) {
        dynamic_cast<QFileDialog&>(dialog).selectFile(Q(folder / "brak.gr8"));
        // A dialog that insisted on an existing file would stop on a warning of its own.
        QTimer refusal;
        QObject::connect(&refusal, &QTimer::timeout, [&] {
            if (QWidget* warning = QApplication::activeModalWidget();
                warning && warning != &dialog) {
                warning->close();
            }
        });
        refusal.start(50);
        dialog.accept();
    };
    const bool shown =
        WithNextModalDialog([&] { window.SendCommand(ID_LOAD_FILE); }, typeNameAndAccept);
    EXPECT_TRUE(shown);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd otwarcia pliku !"});
}

TEST_F(ConsoleFilesTest, SaveCreatesAnUpperCaseNameAndLogsIt) {
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(13);
    window.Image()[1022] = 0;
    answers.Push(Q(folder / "obiekt.gr8"));
    window.SendCommand(ID_SAVE_FILE);
    EXPECT_TRUE(std::filesystem::exists(folder / "OBIEKT.GR8"));
    EXPECT_FALSE(std::filesystem::exists(folder / "obiekt.gr8"));
    EXPECT_TRUE(CheckWordMatches(window.Image())) << "save recomputes the check word in memory";
    EXPECT_EQ(Pane(), QStringLiteral("Zapisano konfigurację do pliku:\r\n") +
                          Q(folder / "obiekt.gr8").toUpper() + "\r\n");
    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(folder / "OBIEKT.GR8", loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded, window.Image());
}

TEST_F(ConsoleFilesTest, SaveWritesOverTheChosenExistingFile) {
    SaveFile(folder / "stary.gr8", SampleImage(3));
    CConsoleDlg& window = Start();
    window.Image() = SampleImage(17);
    answers.Push(Q(folder / "stary.gr8"));
    window.SendCommand(ID_SAVE_FILE);
    EXPECT_FALSE(std::filesystem::exists(folder / "STARY.GR8"));
    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(folder / "stary.gr8", loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded, SampleImage(17));
}

TEST_F(ConsoleFilesTest, FailedSaveSaysSoAndLogsNothing) {
    CConsoleDlg& window = Start();
    window.m_strLog = QStringLiteral("Wybrano port COM3\r\n");
    window.RefreshLogPane();
    answers.Push(Q(folder / "brak" / "obiekt.gr8"));
    answers.Push(std::nullopt);
    window.SendCommand(ID_SAVE_FILE);
    window.SendCommand(ID_SAVE_FILE);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd zapisu pliku !"});
    EXPECT_EQ(window.m_strLog, QStringLiteral("Wybrano port COM3\r\n"));
    EXPECT_EQ(Pane(), QStringLiteral("Wybrano port COM3\r\n"));
}

} // namespace
