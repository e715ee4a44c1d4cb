#include "sample_configuration.h"
#include "tests/core/temporary_folder.h"
#include "tool_process.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kSendLog = "Zapis bloku 1...\nWeryfikacja ...OK.\n"
                             "Zapis bloku 2...\nWeryfikacja ...OK.\n"
                             "Zapis bloku 3...\nWeryfikacja ...OK.\n"
                             "Zapis bloku 4...\nWeryfikacja ...OK.\n"
                             "Ładowanie konfiguracji zakończone.\n"
                             "Restart modułu z nową konfiguracją...OK.\n";

// grt8 run as a program against grt8-sim on a pseudo-terminal, answering at once.
class ModuleProcessTest : public ::testing::Test {
protected:
    void StartModule(std::vector<std::string> options = {}) {
        options.insert(options.begin(), {"--fast", "--version", "G8v3.14"});
        module = std::make_unique<SimProcess>(GRT8_SIM_PATH, options);
        ASSERT_FALSE(module->path().empty()) << module->ErrorOutput();
        port = module->path();
    }

    std::string Save(const std::string& name, const ConfigImage& image) {
        const std::filesystem::path path = folder / name;
        EXPECT_TRUE(SaveConfiguration(path, image));
        return path.string();
    }

    TemporaryFolder folder;
    std::unique_ptr<SimProcess> module;
    std::string port;
};

TEST_F(ModuleProcessTest, VersionPrintsTheModulesAnswer) {
    StartModule();
    const ToolRun run = RunGrt8({"version", "--port", port});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "G8v3.14\n");
    EXPECT_EQ(run.err,
              "Otwarcie portu " + port + "\nNawiązywanie połączenia...\nWersja modułu : G8v3.14\n");
}

TEST_F(ModuleProcessTest, AComPortLeadsWhereTheConsoleWouldGo) {
    StartModule();
    setenv("GRT8_COM5", port.c_str(), 1);
    const ToolRun run = RunGrt8({"version", "--port", "COM5"});
    unsetenv("GRT8_COM5");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "G8v3.14\n");
    EXPECT_EQ(run.err.rfind("Otwarcie portu COM5\n", 0), 0u) << run.err;
}

// The whole round: a file into the module, the module into a file, and the two compared.
TEST_F(ModuleProcessTest, SendThenReadThenDiffFindsNoDifference) {
    StartModule();
    const std::string sent = Save("obiekt.gr8", SampleConfiguration());
    const ToolRun send = RunGrt8({"send", "--port", port, sent});
    EXPECT_EQ(send.status, 0) << send.err;
    EXPECT_TRUE(Contains(send.err, kSendLog)) << send.err;
    EXPECT_TRUE(send.out.empty());

    const std::string readBack = (folder / "odczyt.gr8").string();
    const ToolRun read = RunGrt8({"read", "--port", port, "-o", readBack});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_TRUE(Contains(read.err, "Odczyt konfiguracji zakończony.\n"));
    EXPECT_EQ(RunGrt8({"show", readBack}).status, 0) << "saved with its check word";

    const ToolRun files = RunGrt8({"diff", sent, readBack});
    EXPECT_EQ(files.status, 0) << files.out;
    const ToolRun withModule = RunGrt8({"diff", "--port", port, sent});
    EXPECT_EQ(withModule.status, 0) << withModule.out << withModule.err;
    EXPECT_TRUE(Contains(withModule.err, "no setting differs"));

    ConfigImage edited = SampleConfiguration();
    PutText(edited, 2, "Okno");
    const ToolRun changed = RunGrt8({"diff", Save("nowy.gr8", edited), "--port", port});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.out, "Teksty powiadomień\n  Linia 3: \"Okno\" → \"Drzwi\"\n");
}

TEST_F(ModuleProcessTest, AModuleThatDoesNotAnswerFailsWithTheConsolesMessage) {
    StartModule({"--silent"});
    const ToolRun version = RunGrt8({"version", "--port", port});
    EXPECT_EQ(version.status, 1);
    EXPECT_TRUE(version.out.empty());
    EXPECT_TRUE(Contains(version.err, "Brak połączenia.\nBrak połączenia z modułem.\n"))
        << version.err;
    EXPECT_TRUE(Contains(version.err, "no answer from " + port + " (Brak połączenia.)"));

    const std::string existing = Save("istniejacy.gr8", SampleConfiguration());
    const std::vector<unsigned char> before = ReadAllBytes(existing);
    const ToolRun read = RunGrt8({"read", "--port", port, "-o", existing});
    EXPECT_EQ(read.status, 1);
    EXPECT_TRUE(Contains(read.err, "was not written")) << read.err;
    EXPECT_EQ(ReadAllBytes(existing), before);

    const ToolRun diff = RunGrt8({"diff", existing, "--port", port});
    EXPECT_EQ(diff.status, 2) << "no answer is not a difference";
}

TEST_F(ModuleProcessTest, APortVanishingInTheMiddleOfASendFails) {
    StartModule({"--hang-up-after", "3"});
    const ToolRun run = RunGrt8({"send", "--port", port, Save("a.gr8", SampleConfiguration())});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "Zapis bloku 1...\nWeryfikacja ...OK.\n")) << run.err;
    EXPECT_TRUE(Contains(run.err, "\nBłąd weryfikacji 2\n")) << run.err;
    EXPECT_TRUE(Contains(run.err, "failed (Błąd weryfikacji 2)")) << run.err;
    EXPECT_TRUE(Contains(run.err, "may hold part of the new configuration")) << run.err;
    EXPECT_FALSE(Contains(run.err, "Restart modułu"));
}

TEST_F(ModuleProcessTest, APortVanishingInTheMiddleOfAReadLeavesNoFile) {
    StartModule({"--hang-up-after", "2"});
    const std::filesystem::path output = folder / "out.gr8";
    const ToolRun run = RunGrt8({"read", "--port", port, "-o", output.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "\nBłąd odczytu 2.\n")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

// The output looked writable when the read began, but the file cannot be written at the end.
TEST_F(ModuleProcessTest, AnOutputThatCannotBeWrittenIsLeftAsItWas) {
    StartModule();
    const std::string output = Save("cel.gr8", SampleConfiguration());
    const std::vector<unsigned char> before = ReadAllBytes(output);
    // A folder where the save's hidden temporary file would go stops it, whoever runs the test.
    std::filesystem::create_directories(folder / ".cel.gr8.saving" / "occupied");
    const ToolRun run = RunGrt8({"read", "--port", port, "-o", output});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "Odczyt konfiguracji zakończony.\n"));
    EXPECT_TRUE(Contains(run.err, "could not write '" + output + "'")) << run.err;
    EXPECT_EQ(ReadAllBytes(output), before);
}

} // namespace
