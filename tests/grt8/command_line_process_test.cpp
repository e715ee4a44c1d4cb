// grt8 run as a program: without a module, and against grt8-sim on a pseudo-terminal.

#include "sample_configuration.h"
#include "tests/core/temporary_folder.h"
#include "tool_process.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <set>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kSendLog = "Nawiązywanie połączenia...\n"
                             "Zapis bloku 1...\nWeryfikacja ...OK.\n"
                             "Zapis bloku 2...\nWeryfikacja ...OK.\n"
                             "Zapis bloku 3...\nWeryfikacja ...OK.\n"
                             "Zapis bloku 4...\nWeryfikacja ...OK.\n"
                             "Ładowanie konfiguracji zakończone.\n"
                             "Restart modułu z nową konfiguracją...OK.\n";

// One run of grt8 and its designed outcome. In the words, $PORT is the module's terminal (or a
// missing device when there is no module), $DIR/ the test's folder.
struct Step {
    std::vector<std::string> words;
    int status = 0;
    std::string out;
    // Parts of standard error in any order; one that starts with "!" must not be there.
    std::vector<std::string> err;
};

// The steps of one scenario run in order against one module started with `module`; `noModule`
// leaves the port a device that does not exist.
struct Scenario {
    std::string name;
    std::vector<std::string> module;
    bool noModule = false;
    std::vector<Step> steps;
};

const Step kSampleUnchanged{
    {"diff", "$DIR/sample.gr8", "$DIR/sample-copy.gr8"}, 0, "", {"grt8: no setting differs\n"}};

const std::string kNotSerial = "not a serial port";

const Scenario kScenarios[] = {
    {"no module",
     {},
     true,
     {
         {{}, 2, "", {"grt8: no command given\nTry 'grt8 --help'.\n"}},
         {{"frobnicate"}, 2, "", {"unknown command 'frobnicate'"}},
         {{"show", "--colour", "a.gr8"}, 2, "", {"not expected: --colour"}},
         {{"read", "--port", "COM1"}, 2, "", {"--output is required\nTry 'grt8 read --help'."}},
         {{"send", "a.gr8"}, 2, "", {"--port is required"}},
         {{"version", "--port", "COM12"},
          2,
          "",
          {"'COM12' is not one of the console's ports COM1 to COM9"}},
         {{"show", "$DIR/damaged.gr8"},
          2,
          "Plik: $DIR/damaged.gr8\nSłowo kontrolne: NIEZGODNE",
          {"damaged.gr8': the check word does not match"}},
         {{"send", "--port", "$PORT", "$DIR/damaged.gr8"},
          2,
          "",
          {"the check word does not match", "nothing was sent", "!Otwarcie portu"}},
         {{"diff", "$DIR/sample.gr8", "$DIR/damaged.gr8"}, 2, "", {"does not match"}},
         kSampleUnchanged,
         {{"diff", "$DIR/sample.gr8", "$DIR/changed.gr8"},
          1,
          "Ustawienia ogólne\n"
          "  Numer 2: 600100200 → +48600111222\n"
          "  Ograniczenie SMS, max.: 10 SMS między raportami → 12 SMS między raportami\n",
          {"grt8: 2 settings differ\n"}},
         {{"version", "--port", "$PORT"},
          2,
          "",
          {"Otwarcie portu $PORT\nBłąd otwarcia portu !\nBłąd otwarcia portu $PORT !\n",
           "$PORT does not exist"}},
         {{"version", "--port", "COM6"},
          2,
          "",
          {"Otwarcie portu COM6\n", "Błąd otwarcia portu COM6 !", "COM6 ($PORT) does not exist"}},
         {{"read", "--port", "$DIR/sample.gr8", "-o", "$DIR/out.gr8"}, 2, "", {kNotSerial}},
         {{"read", "--port", "$PORT", "-o", "$DIR/no-folder/out.gr8"},
          2,
          "",
          {"does not exist", "nothing was read", "!Otwarcie portu"}},
         {{"read", "--port", "$PORT", "-o", "$DIR"},
          2,
          "",
          {"is a folder", "nothing was read", "!Otwarcie portu"}},
     }},
    {"healthy module",
     {},
     false,
     {
         {{"version", "--port", "$PORT"},
          0,
          "G8v3.14\n",
          {"Otwarcie portu $PORT\nNawiązywanie połączenia...\nWersja modułu : G8v3.14\n"}},
         {{"version", "--port", "COM6"}, 0, "G8v3.14\n", {"Otwarcie portu COM6\n"}},
         {{"send", "--port", "$PORT", "$DIR/sample.gr8"},
          0,
          "",
          {"Otwarcie portu $PORT\n" + kSendLog}},
         {{"read", "--port", "$PORT", "-o", "$DIR/read.gr8"},
          0,
          "",
          {"Odczyt bloku 4...\nOdczyt konfiguracji zakończony.\n"}},
         {{"diff", "$DIR/sample.gr8", "$DIR/read.gr8"}, 0, "", {"no setting differs"}},
         {{"diff", "--port", "$PORT", "$DIR/sample.gr8"}, 0, "", {"no setting differs"}},
         {{"diff", "$DIR/edited.gr8", "--port", "$PORT"},
          1,
          "Teksty powiadomień\n  Linia 3: \"Okno\" → \"Drzwi\"\n",
          {"1 setting differs"}},
     }},
    {"silent module",
     {"--silent"},
     false,
     {
         {{"version", "--port", "$PORT"},
          1,
          "",
          {"Brak połączenia.\nBrak połączenia z modułem.\n",
           "no answer from $PORT (Brak połączenia.)"}},
         {{"read", "--port", "$PORT", "-o", "$DIR/sample.gr8"}, 1, "", {"was not written"}},
         kSampleUnchanged,
         {{"diff", "$DIR/sample.gr8", "--port", "$PORT"}, 2, "", {"Brak połączenia."}},
     }},
    {"hang-up in the send's block 2",
     {"--hang-up-after", "3"},
     false,
     {{{"send", "--port", "$PORT", "$DIR/sample.gr8"},
       1,
       "",
       {"Zapis bloku 1...\nWeryfikacja ...OK.\nZapis bloku 2...\n", "\nBłąd weryfikacji 2\n",
        "failed (Błąd weryfikacji 2)", "may hold part of the new configuration",
        "!Restart modułu"}}}},
    {"hang-up in the read's block 2",
     {"--hang-up-after", "2"},
     false,
     {{{"read", "--port", "$PORT", "-o", "$DIR/sample.gr8"}, 1, "", {"\nBłąd odczytu 2.\n"}},
      kSampleUnchanged}},
};

std::string Expanded(std::string text, const std::string& port, const std::string& folder) {
    for (const auto& [mark, value] :
         {std::pair{std::string("$PORT"), port}, std::pair{std::string("$DIR/"), folder + "/"},
          std::pair{std::string("$DIR"), folder}}) {
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + value.size())) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

class CommandLineProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        Save("sample.gr8", SampleConfiguration());
        Save("sample-copy.gr8", SampleConfiguration());
        ConfigImage changed = SampleConfiguration();
        PutPhoneNumber(changed, kPhone2SlotOffset, U"+48600111222");
        changed[kSmsLimitOffset] = 12;
        Save("changed.gr8", changed);
        ConfigImage edited = SampleConfiguration();
        PutText(edited, 2, "Okno");
        Save("edited.gr8", edited);
        Save("damaged.gr8", SampleConfiguration());
        std::vector<unsigned char> bytes = ReadAllBytes(folder / "damaged.gr8");
        bytes[200] ^= 0x40;
        WriteAllBytes(folder / "damaged.gr8", bytes);
    }

    void Save(const std::string& name, const ConfigImage& image) {
        EXPECT_TRUE(SaveConfiguration(folder / name, image));
    }

    void Run(const Step& step, const std::string& port) {
        const std::string dir = folder.Path().string();
        std::vector<std::string> words;
        for (const std::string& word : step.words) {
            words.push_back(Expanded(word, port, dir));
        }
        const ToolRun run = RunGrt8(words);
        const std::string command =
            step.words.empty() ? "(none)" : Expanded(step.words[0], port, dir);
        SCOPED_TRACE(command + "\n" + run.err);
        EXPECT_EQ(run.status, step.status);
        const std::string out = Expanded(step.out, port, dir);
        if (step.status == 2 && !out.empty()) {
            EXPECT_TRUE(run.out.starts_with(out)) << run.out;
        } else {
            EXPECT_EQ(run.out, out);
        }
        for (const std::string& part : step.err) {
            const bool absent = part.starts_with('!');
            EXPECT_NE(Contains(run.err, Expanded(part.substr(absent ? 1 : 0), port, dir)), absent)
                << part;
        }
    }

    TemporaryFolder folder;
};

TEST_F(CommandLineProcessTest, EachScenarioStepByStep) {
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        std::unique_ptr<SimProcess> module;
        std::string port = (folder / "no-such-device").string();
        if (!scenario.noModule) {
            std::vector<std::string> options = {"--fast", "--version", "G8v3.14"};
            options.insert(options.end(), scenario.module.begin(), scenario.module.end());
            module = std::make_unique<SimProcess>(GRT8_SIM_PATH, options);
            ASSERT_FALSE(module->path().empty()) << module->ErrorOutput();
            port = module->path();
        }
        setenv("GRT8_COM6", port.c_str(), 1);
        const std::vector<unsigned char> sample = ReadAllBytes(folder / "sample.gr8");
        for (const Step& step : scenario.steps) {
            Run(step, port);
        }
        unsetenv("GRT8_COM6");
        EXPECT_EQ(ReadAllBytes(folder / "sample.gr8"), sample) << "a failed read wrote its file";
        const std::set<std::string> written = {"sample.gr8", "sample-copy.gr8", "changed.gr8",
                                               "edited.gr8", "damaged.gr8",     "read.gr8"};
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            EXPECT_TRUE(written.contains(entry.path().filename().string())) << entry.path();
        }
    }
}

TEST_F(CommandLineProcessTest, HelpForTheToolAndEveryCommand) {
    const ToolRun tool = RunGrt8({"--help"});
    EXPECT_EQ(tool.status, 0);
    EXPECT_TRUE(tool.out.starts_with("Usage: grt8 [OPTIONS] COMMAND"));
    EXPECT_TRUE(tool.err.empty());
    for (const std::string command : {"show", "diff", "read", "send", "version"}) {
        const ToolRun help = RunGrt8({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.starts_with("Usage: grt8 " + command)) << help.out;
        EXPECT_EQ(RunGrt8({"help", command}).out, help.out);
    }
}

// Nothing a file holds gets past the check word to the port.
TEST_F(CommandLineProcessTest, FilesOfAnyLengthOrContentAreRefused) {
    std::mt19937 random(7);
    std::vector<std::string> paths = {folder.Path().string(), (folder / "missing.gr8").string(),
                                      "/dev/null"};
    for (const std::size_t length : {0u, 1u, 1023u, 1024u, 1025u, 70'000u}) {
        std::vector<unsigned char> bytes(length);
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(random());
        }
        paths.push_back((folder / ("random-" + std::to_string(length))).string());
        WriteAllBytes(paths.back(), bytes);
    }
    const std::string port = (folder / "no-such-device").string();
    for (const std::string& path : paths) {
        for (const auto& words :
             std::vector<std::vector<std::string>>{{"show", path},
                                                   {"show", "--json", path},
                                                   {"diff", path, path},
                                                   {"send", "--port", port, path}}) {
            const ToolRun run = RunGrt8(words);
            EXPECT_EQ(run.status, 2) << words[0] << " " << path << "\n" << run.err;
            EXPECT_TRUE(run.err.starts_with("grt8: ")) << path;
            EXPECT_FALSE(Contains(run.err, "Otwarcie portu")) << "refused before the port";
        }
    }
}

// The output looked writable when the read began, but the file cannot be written at the end.
TEST_F(CommandLineProcessTest, AnOutputThatCannotBeWrittenIsLeftAsItWas) {
    SimProcess module(GRT8_SIM_PATH, {"--fast"});
    ASSERT_FALSE(module.path().empty()) << module.ErrorOutput();
    const std::filesystem::path output = folder / "sample.gr8";
    const std::vector<unsigned char> before = ReadAllBytes(output);
    // A folder where the save's hidden temporary file would go stops it, whoever runs the test.
    std::filesystem::create_directories(folder / ".sample.gr8.saving" / "occupied");
    const ToolRun run = RunGrt8({"read", "--port", module.path(), "-o", output.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "Odczyt konfiguracji zakończony.\n"));
    EXPECT_TRUE(Contains(run.err, "could not write '" + output.string() + "'")) << run.err;
    EXPECT_EQ(ReadAllBytes(output), before);
}

} // namespace
