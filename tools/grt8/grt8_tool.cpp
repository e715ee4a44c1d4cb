#include "tools/grt8/grt8_tool.h"

#include "tools/grt8/arguments.h"
#include "tools/grt8/exit_status.h"
#include "tools/grt8/file_commands.h"
#include "tools/grt8/module_commands.h"
#include "tools/grt8/ports_command.h"

namespace {

int RunCommand(const Invocation& invocation, const ConsoleStreams& streams) {
    switch (invocation.command) {
    case Command::Show:
        return RunShow(invocation, streams);
    case Command::Diff:
        return RunDiff(invocation, streams);
    case Command::Read:
        return RunRead(invocation, streams);
    case Command::Send:
        return RunSend(invocation, streams);
    case Command::Version:
        return RunVersion(invocation, streams);
    case Command::Ports:
        return RunPorts(invocation, streams);
    }
    return kExitRefused;
}

} // namespace

int RunTool(std::span<const std::string> arguments, const ConsoleStreams& streams) {
    const ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.error.empty()) {
        return Refuse(streams, parsed.error);
    }
    const int status = parsed.invocation ? RunCommand(*parsed.invocation, streams) : kExitSuccess;
    streams.out << parsed.help;
    // A report cut short by a full disk or a closed pipe must not pass for a whole one.
    if (!streams.out.flush()) {
        return Refuse(streams, "could not write the standard output");
    }
    return status;
}
