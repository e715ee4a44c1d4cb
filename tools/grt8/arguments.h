#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

enum class Command { Show, Diff, Read, Send, Version, Ports };

// A configuration to look at: a file, or the module on a port.
struct ConfigSource {
    bool fromModule = false;
    // The file's path, or the PORT as given.
    std::string name;
};

struct Invocation {
    Command command = Command::Show;
    bool json = false;
    // The files of show and send, and the two sides of diff, in the order given.
    std::vector<ConfigSource> sources;
    std::string port;
    std::string output;
};

struct ParsedArguments {
    // The command to run; none when help was asked for or the command line was refused.
    std::optional<Invocation> invocation;
    std::string help;
    // Why the command line was refused, ending with where to find help.
    std::string error;
};

// The arguments after the program's name.
ParsedArguments ParseArguments(std::span<const std::string> arguments);
