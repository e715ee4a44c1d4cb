#include "tools/grt8/arguments.h"

#include "tools/grt8/port_naming.h"
#include "tools/grt8/usage_texts.h"

#include <CLI/CLI.hpp>

#include <array>
#include <memory>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, Command>, 5> kCommands = {{
    {"show", Command::Show},
    {"diff", Command::Diff},
    {"read", Command::Read},
    {"send", Command::Send},
    {"version", Command::Version},
}};

// The usage line comes first, and arguments are shown by their names alone.
class HelpFormatter : public CLI::Formatter {
public:
    HelpFormatter() {
        label("SUBCOMMAND", "COMMAND");
        label("Positionals", "Arguments");
        column_width(28);
    }

    std::string make_option_usage(const CLI::Option* option) const override {
        return option->get_name();
    }

    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        return make_usage(app, name) + "\n" + make_description(app) + make_positionals(app) +
               make_groups(app, mode) + make_subcommands(app, mode) + "\n" + make_footer(app);
    }
};

// The options of every command, bound to one invocation; diff's sides are sorted out after
// parsing, from the order in which they were given.
class CommandLine {
public:
    CommandLine() : m_app(std::string(kToolDescription), "grt8") {
        m_app.formatter(std::make_shared<HelpFormatter>());
        m_app.set_help_flag("-h,--help", "print this help");
        m_app.footer(std::string(kPortHelp) + "\n" + std::string(kToolFooter));
        m_app.require_subcommand(1);
        for (const auto& [name, command] : kCommands) {
            AddCommand(name, command);
        }
        CLI::App* help = m_app.add_subcommand("help", "describe a COMMAND")->group("Commands");
        help->add_option("COMMAND", m_helpTopic)->check(CLI::IsMember(CommandNames()));
    }

    ParsedArguments Parse(std::span<const std::string> arguments) {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        try {
            m_app.parse(reversed);
        } catch (const CLI::CallForHelp&) {
            return {std::nullopt, m_app.help(), {}};
        } catch (const CLI::ParseError& error) {
            if (m_app.get_subcommands().empty()) {
                return Refused(arguments.empty() ? "no command given"
                                                 : "unknown command '" + arguments.front() + "'");
            }
            return Refused(error.what());
        }
        return Finish();
    }

private:
    static std::vector<std::string> CommandNames() {
        std::vector<std::string> names;
        for (const auto& [name, command] : kCommands) {
            names.emplace_back(name);
        }
        return names;
    }

    void AddCommand(const std::string& name, Command command) {
        CLI::App* sub = m_app.add_subcommand(name, std::string(CommandSummary(command)));
        sub->group("Commands")->footer(std::string(CommandFooter(command)));
        switch (command) {
        case Command::Show:
            AddFile(sub);
            sub->add_flag("--json", m_invocation.json, std::string(kJsonOption));
            break;
        case Command::Diff:
            sub->add_option("A B", m_files, "each a configuration FILE, or --port PORT")
                ->type_name("");
            sub->add_option("--port", m_diffPorts, "the configuration of the module on PORT")
                ->type_name("PORT")
                ->allow_extra_args(false);
            break;
        case Command::Read:
            AddPort(sub);
            sub->add_option("-o,--output", m_invocation.output, "the configuration file to write")
                ->type_name("FILE")
                ->required();
            break;
        case Command::Send:
            AddPort(sub);
            AddFile(sub);
            break;
        case Command::Version:
            AddPort(sub);
            break;
        }
    }

    // Files are counted after parsing, so that an unknown option is named as such and not
    // taken for a second file together with its value.
    void AddFile(CLI::App* sub) {
        sub->add_option("FILE", m_files, "the configuration file")->type_name("")->required();
    }

    void AddPort(CLI::App* sub) {
        sub->add_option("--port", m_invocation.port, "COM1 to COM9 or a device path")
            ->type_name("PORT")
            ->required();
    }

    ParsedArguments Finish() {
        CLI::App* help = m_app.get_subcommand("help");
        if (help->parsed()) {
            return {std::nullopt,
                    m_helpTopic.empty() ? m_app.help()
                                        : m_app.get_subcommand(m_helpTopic)->help("grt8"),
                    {}};
        }
        for (const auto& [name, command] : kCommands) {
            if (m_app.get_subcommand(name)->parsed()) {
                m_invocation.command = command;
            }
        }
        if (m_invocation.command == Command::Diff) {
            TakeDiffSides();
            if (m_invocation.sources.size() != 2) {
                return Refused("diff compares two configurations, each a FILE or --port PORT; " +
                               std::to_string(m_invocation.sources.size()) + " given");
            }
        } else if (m_files.size() > 1) {
            return Refused("only one FILE can be given");
        } else if (!m_files.empty()) {
            m_invocation.sources.push_back({false, m_files.front()});
        }
        return {std::move(m_invocation), {}, {}};
    }

    // CLI11 keeps a repeated option's values together; the order of A and B is in parse_order.
    void TakeDiffSides() {
        const CLI::App* diff = m_app.get_subcommand("diff");
        std::size_t file = 0;
        std::size_t port = 0;
        for (const CLI::Option* option : diff->parse_order()) {
            const bool fromModule = option->get_name() == "--port";
            m_invocation.sources.push_back(
                {fromModule, fromModule ? m_diffPorts.at(port++) : m_files.at(file++)});
        }
    }

    ParsedArguments Refused(const std::string& reason) const {
        std::string hint = "Try 'grt8 --help'.";
        for (const CLI::App* sub : m_app.get_subcommands()) {
            if (sub->get_name() != "help") {
                hint = "Try 'grt8 " + sub->get_name() + " --help'.";
            }
        }
        return {std::nullopt, {}, reason + "\n" + hint};
    }

    CLI::App m_app;
    Invocation m_invocation;
    std::vector<std::string> m_files;
    std::vector<std::string> m_diffPorts;
    std::string m_helpTopic;
};

} // namespace

ParsedArguments ParseArguments(std::span<const std::string> arguments) {
    return CommandLine().Parse(arguments);
}
