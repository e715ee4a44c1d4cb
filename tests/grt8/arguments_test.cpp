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
    EXPECT_EQ(Accepted({"ports"}).command, Command::Ports);
    EXPECT_TRUE(Accepted({"ports", "--json"}).json);
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
        {{"help", "nothing"}, "nothing"},
        {{"show"}, "FILE is required\nTry 'grt8 show --help'."},
        {{"show", "a", "b"}, "only one FILE can be given\nTry 'grt8 show --help'."},
        {{"show", "a", "--port", "COM1"}, "not expected: --port\n"},
        {{"read", "--json", "--port", "COM1", "-o", "a"}, "not expected: --json\n"},
        {{"read", "--port", "COM1"}, "--output is required\nTry 'grt8 read --help'."},
        {{"read", "-o", "a.gr8"}, "--port is required\n"},
        {{"read", "-o", "a.gr8", "--port"}, "--port: 1 required PORT missing\n"},
        {{"read", "--port", "COM1", "-o", "a", "-o", "b"}, "--output: At Most 1"},
        {{"read", "--port", "COM1", "-o", "a", "extra"}, "not expected: extra\n"},
        {{"send", "a.gr8", "--port", "COM1", "--port", "COM2"}, "--port: At Most 1"},
        {{"version"}, "--port is required\nTry 'grt8 version --help'."},
        {{"diff", "a.gr8"},
         "diff compares two configurations, each a FILE or --port PORT; 1 given\n"},
        {{"diff", "a", "--port", "COM1", "c"}, "; 3 given\n"},
        {{"ports", "extra"}, "not expected: extra\nTry 'grt8 ports --help'."},
    };
    for (const auto& [arguments, message] : refusals) {
        const ParsedArguments parsed = Parse(arguments);
        EXPECT_FALSE(parsed.invocation.has_value()) << message;
        EXPECT_TRUE(parsed.help.empty()) << message;
        EXPECT_NE(parsed.error.find(message), std::string::npos)
            << "got: " << parsed.error << "\nwanted: " << message;
    }
}

} // namespace
