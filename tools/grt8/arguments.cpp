#include "tools/grt8/arguments.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Help is looked for before the options are walked, so it is not among them.
enum class Option { Json, Port, Output, Unknown };

constexpr std::array<std::pair<std::string_view, Command>, 5> kCommands = {{
    {"show", Command::Show},
    {"diff", Command::Diff},
    {"read", Command::Read},
    {"send", Command::Send},
    {"version", Command::Version},
}};

std::optional<Command> CommandNamed(std::string_view name) {
    for (const auto& [commandName, command] : kCommands) {
        if (name == commandName) {
            return command;
        }
    }
    return std::nullopt;
}

bool IsHelpOption(std::string_view token) {
    return token == "--help" || token == "-h";
}

bool LooksLikeOption(std::string_view token) {
    return token.size() > 1 && token.front() == '-';
}

Option OptionNamed(std::string_view name) {
    if (name == "--json") {
        return Option::Json;
    }
    if (name == "--port") {
        return Option::Port;
    }
    if (name == "--output" || name == "-o") {
        return Option::Output;
    }
    return Option::Unknown;
}

bool Accepts(Command command, Option option) {
    switch (option) {
    case Option::Json:
        return command == Command::Show;
    case Option::Port:
        return command != Command::Show;
    case Option::Output:
        return command == Command::Read;
    case Option::Unknown:
        return false;
    }
    return false;
}

std::string HelpHint(std::optional<Command> command) {
    if (!command) {
        return "Try 'grt8 --help'.";
    }
    return "Try 'grt8 " + std::string(CommandName(*command)) + " --help'.";
}

ParsedArguments Refused(const std::string& reason, std::optional<Command> command) {
    return {std::nullopt, reason + "\n" + HelpHint(command)};
}

ParsedArguments Accepted(Invocation invocation) {
    return {std::move(invocation), {}};
}

Invocation HelpFor(std::optional<Command> command) {
    Invocation invocation;
    invocation.command = command;
    invocation.help = true;
    return invocation;
}

// Walks one command's arguments; the checks that need all of them come afterwards.
class CommandParser {
public:
    CommandParser(Command command, std::span<const std::string> arguments)
        : m_command(command), m_arguments(arguments) {
        m_invocation.command = command;
    }

    ParsedArguments Parse() {
        for (m_next = 0; m_next < m_arguments.size();) {
            const std::string& token = m_arguments[m_next++];
            if (!m_optionsEnded && token == "--") {
                m_optionsEnded = true;
            } else if (!m_optionsEnded && LooksLikeOption(token)) {
                if (std::string error = TakeOption(token); !error.empty()) {
                    return Refused(error, m_command);
                }
            } else {
                m_invocation.sources.push_back({false, token});
            }
        }
        return CheckComplete();
    }

private:
    std::string TakeOption(const std::string& token) {
        const std::size_t equals = token.find('=');
        const std::string name = token.substr(0, equals);
        const Option option = OptionNamed(name);
        if (!Accepts(m_command, option)) {
            return "unknown option '" + name + "' for 'grt8 " +
                   std::string(CommandName(m_command)) + "'";
        }
        if (option == Option::Json) {
            m_invocation.json = true;
            return equals == std::string::npos ? "" : "option '--json' takes no value";
        }
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            value = token.substr(equals + 1);
        } else if (m_next < m_arguments.size() && !LooksLikeOption(m_arguments[m_next])) {
            value = m_arguments[m_next++];
        }
        if (!value || value->empty()) {
            return "option '" + name + "' needs a value (" +
                   (option == Option::Port ? "PORT" : "FILE") + ")";
        }
        return option == Option::Port ? TakePort(*value) : TakeOutput(*value);
    }

    std::string TakePort(const std::string& port) {
        if (m_command == Command::Diff) {
            m_invocation.sources.push_back({true, port});
            return "";
        }
        if (!m_invocation.port.empty()) {
            return "option '--port' given twice";
        }
        m_invocation.port = port;
        return "";
    }

    std::string TakeOutput(const std::string& output) {
        if (!m_invocation.output.empty()) {
            return "option '-o' given twice";
        }
        m_invocation.output = output;
        return "";
    }

    std::size_t FileCount() const {
        return static_cast<std::size_t>(
            std::count_if(m_invocation.sources.begin(), m_invocation.sources.end(),
                          [](const ConfigSource& source) { return !source.fromModule; }));
    }

    std::string CountProblem() const {
        const std::size_t files = FileCount();
        switch (m_command) {
        case Command::Show:
        case Command::Send:
            return files == 0 ? "missing FILE" : files > 1 ? "only one FILE can be given" : "";
        case Command::Diff:
            return m_invocation.sources.size() == 2
                       ? ""
                       : "diff compares two configurations, each a FILE or --port PORT; " +
                             std::to_string(m_invocation.sources.size()) + " given";
        case Command::Read:
        case Command::Version:
            return files > 0 ? "unexpected argument '" + m_invocation.sources.front().name + "'"
                             : "";
        }
        return "";
    }

    std::string MissingOption() const {
        if (m_command != Command::Show && m_command != Command::Diff && m_invocation.port.empty()) {
            return "missing --port PORT";
        }
        if (m_command == Command::Read && m_invocation.output.empty()) {
            return "missing -o FILE";
        }
        return "";
    }

    ParsedArguments CheckComplete() {
        if (std::string problem = CountProblem(); !problem.empty()) {
            return Refused(problem, m_command);
        }
        if (std::string missing = MissingOption(); !missing.empty()) {
            return Refused(missing, m_command);
        }
        return Accepted(std::move(m_invocation));
    }

    Command m_command;
    std::span<const std::string> m_arguments;
    Invocation m_invocation;
    std::size_t m_next = 0;
    bool m_optionsEnded = false;
};

// Help is asked for anywhere before "--", so it wins over mistakes elsewhere on the line.
bool AsksForHelp(std::span<const std::string> arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    return std::any_of(arguments.begin(), end,
                       [](const std::string& token) { return IsHelpOption(token); });
}

ParsedArguments ParseHelpCommand(std::span<const std::string> topics) {
    if (topics.empty()) {
        return Accepted(HelpFor(std::nullopt));
    }
    const std::optional<Command> command = CommandNamed(topics.front());
    if (!command || topics.size() > 1) {
        return Refused("no help for '" + topics.back() + "'", std::nullopt);
    }
    return Accepted(HelpFor(command));
}

} // namespace

std::string_view CommandName(Command command) {
    for (const auto& [name, known] : kCommands) {
        if (known == command) {
            return name;
        }
    }
    return "";
}

ParsedArguments ParseArguments(std::span<const std::string> arguments) {
    if (arguments.empty()) {
        return Refused("no command given", std::nullopt);
    }
    const std::string& first = arguments.front();
    if (IsHelpOption(first)) {
        return Accepted(HelpFor(std::nullopt));
    }
    if (first == "help") {
        return ParseHelpCommand(arguments.subspan(1));
    }
    const std::optional<Command> command = CommandNamed(first);
    if (!command) {
        return Refused((LooksLikeOption(first) ? "unknown option '" : "unknown command '") + first +
                           "'",
                       std::nullopt);
    }
    if (AsksForHelp(arguments.subspan(1))) {
        return Accepted(HelpFor(command));
    }
    return CommandParser(*command, arguments.subspan(1)).Parse();
}
