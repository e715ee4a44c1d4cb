#include "tools/grt8/grt8_tool.h"

#include "tools/grt8/arguments.h"
#include "tools/grt8/exit_status.h"
#include "tools/grt8/file_commands.h"
#include "tools/grt8/module_commands.h"
#include "tools/grt8/usage_texts.h"

namespace {

int RunCommand(Command command, const Invocation& invocation, const ConsoleStreams& streams) {
    switch (command) {
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
    }
    return kExitRefused;
}

int RunInvocation(const Invocation& invocation, const ConsoleStreams& streams) {
    if (invocation.help || !invocation.command) {
        streams.out << UsageText(invocation.command);
        return kExitSuccess;
    }
    return RunCommand(*invocation.command, invocation, streams);
}

} // namespace

int RunTool(std::span<const std::string> arguments, const ConsoleStreams& streams) {
    const ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.invocation) {
        return Refuse(streams, parsed.error);
    }
    const int status = RunInvocation(*parsed.invocation, streams);
    // A report cut short by a full disk or a closed pipe must not pass for a whole one.
    if (!streams.out.flush()) {
        return Refuse(streams, "could not write the standard output");
    }
    return status;
}
