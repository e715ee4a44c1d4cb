#include "tools/grt8/arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ParsedArguments Parse(std::vector<std::string> arguments) {
    return ParseArguments(arguments);
}

Invocation Accepted(std::vector<std::string> arguments) {
    const ParsedArguments parsed = Parse(arguments);
    EXPECT_TRUE(parsed.invocation.has_value()) << parsed.error;
    return parsed.invocation.value_or(Invocation{});
}

TEST(ArgumentsTest, HelpForTheToolAndForEachCommand) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}, {"--help", "show"}}) {
        const Invocation invocation = Accepted(arguments);
        EXPECT_TRUE(invocation.help);
        EXPECT_FALSE(invocation.command.has_value());
    }
    const std::pair<std::vector<std::string>, Command> commandHelp[] = {
        {{"help", "send"}, Command::Send},
        {{"diff", "--help"}, Command::Diff},
        {{"read", "-h"}, Command::Read},
        // Help wins over mistakes elsewhere on the line.
        {{"show", "--bogus", "a", "b", "--help"}, Command::Show},
    };
    for (const auto& [arguments, command] : commandHelp) {
        const Invocation invocation = Accepted(arguments);
        EXPECT_TRUE(invocation.help);
        EXPECT_EQ(invocation.command, command);
    }
}

TEST(ArgumentsTest, EachCommandWithItsArguments) {
    Invocation show = Accepted({"show", "a.gr8", "--json"});
    EXPECT_EQ(show.command, Command::Show);
    EXPECT_TRUE(show.json);
    ASSERT_EQ(show.sources.size(), 1u);
    EXPECT_EQ(show.sources[0].name, "a.gr8");

    Invocation read = Accepted({"read", "-o", "out.gr8", "--port", "COM2"});
    EXPECT_EQ(read.port, "COM2");
    EXPECT_EQ(read.output, "out.gr8");
    read = Accepted({"read", "--port=/dev/ttyUSB0", "--output=out.gr8"});
    EXPECT_EQ(read.port, "/dev/ttyUSB0");
    EXPECT_EQ(read.output, "out.gr8");

    const Invocation send = Accepted({"send", "--port", "COM1", "--", "-odd name.gr8"});
    EXPECT_EQ(send.port, "COM1");
    ASSERT_EQ(send.sources.size(), 1u);
    EXPECT_EQ(send.sources[0].name, "-odd name.gr8");

    EXPECT_EQ(Accepted({"version", "--port", "COM9"}).port, "COM9");
}

TEST(ArgumentsTest, DiffTakesFilesAndModulesInTheOrderGiven) {
    Invocation diff = Accepted({"diff", "--port", "COM1", "plik.gr8"});
    ASSERT_EQ(diff.sources.size(), 2u);
    EXPECT_TRUE(diff.sources[0].fromModule);
    EXPECT_EQ(diff.sources[0].name, "COM1");
    EXPECT_FALSE(diff.sources[1].fromModule);
    EXPECT_EQ(diff.sources[1].name, "plik.gr8");

    diff = Accepted({"diff", "plik.gr8", "--port=/dev/ttyUSB1"});
    EXPECT_FALSE(diff.sources[0].fromModule);
    EXPECT_TRUE(diff.sources[1].fromModule);

    diff = Accepted({"diff", "--port", "COM1", "--port", "COM2"});
    EXPECT_TRUE(diff.sources[0].fromModule && diff.sources[1].fromModule);
}

TEST(ArgumentsTest, RefusalsSayWhatIsWrongAndWhereHelpIs) {
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{}, "no command given\nTry 'grt8 --help'."},
        {{"shwo", "a.gr8"}, "unknown command 'shwo'\nTry 'grt8 --help'."},
        {{"--verbose"}, "unknown option '--verbose'\nTry 'grt8 --help'."},
        {{"help", "nothing"}, "no help for 'nothing'\nTry 'grt8 --help'."},
        {{"show"}, "missing FILE\nTry 'grt8 show --help'."},
        {{"show", "a", "b"}, "only one FILE can be given\nTry 'grt8 show --help'."},
        {{"show", "a", "--port", "COM1"}, "unknown option '--port' for 'grt8 show'\n"},
        {{"show", "a", "--json=yes"}, "option '--json' takes no value\n"},
        {{"read", "--json", "--port", "COM1"}, "unknown option '--json' for 'grt8 read'\n"},
        {{"read", "--port", "COM1"}, "missing -o FILE\nTry 'grt8 read --help'."},
        {{"read", "-o", "a.gr8"}, "missing --port PORT\n"},
        {{"read", "--port", "-o", "a.gr8"}, "option '--port' needs a value (PORT)\n"},
        {{"read", "--port="}, "option '--port' needs a value (PORT)\n"},
        {{"read", "--port", "COM1", "-o"}, "option '-o' needs a value (FILE)\n"},
        {{"read", "--port", "COM1", "-o", "a", "-o", "b"}, "option '-o' given twice\n"},
        {{"read", "--port", "COM1", "-o", "a", "extra"}, "unexpected argument 'extra'\n"},
        {{"send", "--port", "COM1"}, "missing FILE\n"},
        {{"send", "a.gr8", "--port", "COM1", "--port", "COM2"}, "option '--port' given twice\n"},
        {{"version"}, "missing --port PORT\nTry 'grt8 version --help'."},
        {{"diff", "a.gr8"},
         "diff compares two configurations, each a FILE or --port PORT; 1 given\n"},
        {{"diff", "a", "b", "c"}, "; 3 given\n"},
    };
    for (const auto& [arguments, message] : refusals) {
        const ParsedArguments parsed = Parse(arguments);
        EXPECT_FALSE(parsed.invocation.has_value()) << message;
        EXPECT_NE(parsed.error.find(message), std::string::npos)
            << "got: " << parsed.error << "\nwanted: " << message;
    }
}

} // namespace
