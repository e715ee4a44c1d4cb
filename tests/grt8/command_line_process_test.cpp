#include "sample_configuration.h"
#include "tests/core/temporary_folder.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// grt8 run as a program, with no module behind any port.
class CommandLineProcessTest : public ::testing::Test {
protected:
    std::string Sample(const std::string& name, const ConfigImage& image = SampleConfiguration()) {
        const std::filesystem::path path = folder / name;
        EXPECT_TRUE(SaveConfiguration(path, image));
        return path.string();
    }

    std::string Damaged(const std::string& name) {
        const std::string path = Sample(name);
        std::vector<unsigned char> bytes = ReadAllBytes(path);
        bytes[200] ^= 0x40;
        WriteAllBytes(path, bytes);
        return path;
    }

    std::string Missing() const { return (folder / "no-such-device").string(); }

    TemporaryFolder folder;
};

TEST_F(CommandLineProcessTest, HelpForTheToolAndEveryCommand) {
    const ToolRun tool = RunGrt8({"--help"});
    EXPECT_EQ(tool.status, 0);
    EXPECT_EQ(tool.out.rfind("Usage: grt8 [OPTIONS] COMMAND", 0), 0u);
    EXPECT_TRUE(tool.err.empty());
    for (const std::string command : {"show", "diff", "read", "send", "version"}) {
        const ToolRun help = RunGrt8({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: grt8 " + command, 0), 0u) << help.out;
        EXPECT_EQ(RunGrt8({"help", command}).out, help.out);
    }
}

TEST_F(CommandLineProcessTest, MistakesOnTheCommandLineExitWithTwo) {
    const std::pair<std::vector<std::string>, std::string> mistakes[] = {
        {{}, "grt8: no command given\nTry 'grt8 --help'.\n"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"show", "--colour", "a.gr8"}, "not expected: --colour"},
        {{"read", "--port", "COM1"}, "--output is required\nTry 'grt8 read --help'."},
        {{"send", "a.gr8"}, "--port is required"},
        {{"version", "--port", "COM12"}, "'COM12' is not one of the console's ports COM1 to COM9"},
    };
    for (const auto& [arguments, message] : mistakes) {
        const ToolRun run = RunGrt8(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_TRUE(Contains(run.err, message)) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST_F(CommandLineProcessTest, ShowPrintsEverySettingAndTheCheckWord) {
    const ToolRun run = RunGrt8({"show", Sample("obiekt.gr8")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Słowo kontrolne: zgodne"));
    EXPECT_TRUE(Contains(run.out, "\n  SMSC: +48602951111\n"));
    EXPECT_TRUE(Contains(run.out, "\n  Linia 1: \"Alarm $170\"\n"));
    EXPECT_TRUE(run.err.empty());

    const ToolRun json = RunGrt8({"show", "--json", Sample("obiekt.gr8")});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(Contains(json.out, "\"matches\": true"));
}

TEST_F(CommandLineProcessTest, ShowReportsADamagedFileAndExitsTwo) {
    const ToolRun run = RunGrt8({"show", Damaged("damaged.gr8")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.out, "Słowo kontrolne: NIEZGODNE")) << "still shown for a look";
    EXPECT_TRUE(Contains(run.err, "damaged.gr8': the check word does not match")) << run.err;
}

TEST_F(CommandLineProcessTest, FilesOfAnyLengthOrContentAreHandled) {
    std::mt19937 random(7);
    std::vector<std::string> paths;
    for (const std::size_t length : {0u, 1u, 1023u, 1024u, 1025u, 70'000u}) {
        std::vector<unsigned char> bytes(length);
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(random());
        }
        paths.push_back((folder / ("random-" + std::to_string(length))).string());
        WriteAllBytes(paths.back(), bytes);
    }
    paths.push_back(folder.Path().string());
    paths.push_back((folder / "missing.gr8").string());
    paths.push_back("/dev/null");
    for (const std::string& path : paths) {
        for (const auto& arguments :
             std::vector<std::vector<std::string>>{{"show", path},
                                                   {"show", "--json", path},
                                                   {"diff", path, path},
                                                   {"send", "--port", Missing(), path}}) {
            const ToolRun run = RunGrt8(arguments);
            EXPECT_EQ(run.status, 2) << arguments[0] << " " << path << "\n" << run.err;
            EXPECT_TRUE(Contains(run.err, "grt8: ")) << path;
            EXPECT_FALSE(Contains(run.err, "Otwarcie portu")) << "refused before the port";
        }
    }
}

TEST_F(CommandLineProcessTest, SendRefusesAFileWhoseCheckWordDoesNotMatch) {
    const ToolRun run = RunGrt8({"send", "--port", Missing(), Damaged("damaged.gr8")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "the check word does not match")) << run.err;
    EXPECT_TRUE(Contains(run.err, "nothing was sent")) << run.err;
    EXPECT_FALSE(Contains(run.err, "Otwarcie portu"));
}

TEST_F(CommandLineProcessTest, DiffOfTwoFiles) {
    const std::string sample = Sample("a.gr8");
    ConfigImage changed = SampleConfiguration();
    PutPhoneNumber(changed, kPhone2SlotOffset, U"+48600111222");
    changed[kSmsLimitOffset] = 12;

    const ToolRun same = RunGrt8({"diff", sample, Sample("copy.gr8")});
    EXPECT_EQ(same.status, 0);
    EXPECT_TRUE(same.out.empty());
    EXPECT_TRUE(Contains(same.err, "no setting differs"));

    const ToolRun different = RunGrt8({"diff", sample, Sample("b.gr8", changed)});
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out, "Ustawienia ogólne\n"
                             "  Numer 2: 600100200 → +48600111222\n"
                             "  Ograniczenie SMS, max.: 10 SMS między raportami → 12 SMS między "
                             "raportami\n");
    EXPECT_TRUE(Contains(different.err, "2 settings differ"));

    const ToolRun damaged = RunGrt8({"diff", sample, Damaged("damaged.gr8")});
    EXPECT_EQ(damaged.status, 2) << "a damaged file is neither equal nor different";
}

TEST_F(CommandLineProcessTest, APortThatCannotBeOpenedIsExplained) {
    const ToolRun missing = RunGrt8({"version", "--port", Missing()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(Contains(missing.err, "Otwarcie portu " + Missing() +
                                          "\n"
                                          "Błąd otwarcia portu !\n"
                                          "Błąd otwarcia portu " +
                                          Missing() + " !\n"))
        << missing.err;
    EXPECT_TRUE(Contains(missing.err, Missing() + " does not exist")) << missing.err;

    WriteAllBytes(folder / "plain-file", {1});
    const ToolRun notSerial = RunGrt8(
        {"read", "--port", (folder / "plain-file").string(), "-o", (folder / "out.gr8").string()});
    EXPECT_EQ(notSerial.status, 2);
    EXPECT_TRUE(Contains(notSerial.err, "is not a serial port")) << notSerial.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.gr8"));
}

TEST_F(CommandLineProcessTest, AComPortIsMappedAsTheConsoleMapsIt) {
    setenv("GRT8_COM6", Missing().c_str(), 1);
    const ToolRun run = RunGrt8({"version", "--port", "COM6"});
    unsetenv("GRT8_COM6");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "Otwarcie portu COM6\n")) << run.err;
    EXPECT_TRUE(Contains(run.err, "Błąd otwarcia portu COM6 !")) << run.err;
    EXPECT_TRUE(Contains(run.err, "COM6 (" + Missing() + ") does not exist")) << run.err;
}

TEST_F(CommandLineProcessTest, ReadChecksWhereItWillWriteBeforeTouchingThePort) {
    const std::pair<std::string, std::string> unusable[] = {
        {(folder / "no-folder" / "out.gr8").string(), "does not exist"},
        {folder.Path().string(), "is a folder"},
    };
    for (const auto& [output, message] : unusable) {
        const ToolRun run = RunGrt8({"read", "--port", Missing(), "-o", output});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(Contains(run.err, message)) << run.err;
        EXPECT_TRUE(Contains(run.err, "nothing was read")) << run.err;
        EXPECT_FALSE(Contains(run.err, "Otwarcie portu"));
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "no-folder"));
}

} // namespace
