#include "tools/grt8/module_commands.h"

#include "config/config_file.h"
#include "link/module_link.h"
#include "operations/module_version.h"
#include "operations/read_configuration.h"
#include "operations/send_configuration.h"
#include "tools/grt8/configuration_file.h"
#include "tools/grt8/escaping.h"
#include "tools/grt8/exit_status.h"
#include "tools/grt8/module_run.h"
#include "tools/grt8/output_location.h"
#include "tools/grt8/port_argument.h"

namespace {

// " (Brak połączenia.)": the console's message that ended the operation.
std::string Cause(const OperationResult& result) {
    return " (" + result.message + ")";
}

OperationResult ReadInto(ConfigImage& image, const ModulePort& port, OperationLog& log) {
    return ReadConfiguration(theLink, image, port, log, std::nullopt);
}

// After a failed send. One that failed before its first block left the module as it was.
std::string WhatTheModuleHolds(const OperationResult& result) {
    if (result.blocksWritten == 0) {
        return "nothing was written to the module";
    }
    return "the module was not restarted and may hold part of the new configuration: send the "
           "file again";
}

} // namespace

int RunRead(const Invocation& invocation, const ConsoleStreams& streams) {
    const PortArgument argument = ParsePortArgument(invocation.port);
    if (!argument.port) {
        return Refuse(streams, argument.error);
    }
    const std::filesystem::path output = invocation.output;
    if (const std::string problem = OutputLocationProblem(output); !problem.empty()) {
        return Refuse(streams, problem + "; nothing was read");
    }
    ConfigImage image{};
    ModuleRun run(streams);
    const OperationResult result =
        run.Run(*argument.port, [&image](const ModulePort& port, OperationLog& log) {
            return ReadInto(image, port, log);
        });
    const int status = ExitStatus(result);
    if (status == kExitFailed) {
        run.Report("reading from " + PortName(*argument.port) + " failed" + Cause(result) + "; " +
                   QuotedPath(output) + " was not written");
    }
    if (status != kExitSuccess) {
        return status;
    }
    if (!WriteConfigFile(output, image)) {
        run.Report("could not write " + QuotedPath(output) +
                   "; a file already there was left as it was");
        return kExitRefused;
    }
    run.Report("configuration saved in " + QuotedPath(output));
    return kExitSuccess;
}

int RunSend(const Invocation& invocation, const ConsoleStreams& streams) {
    const PortArgument argument = ParsePortArgument(invocation.port);
    if (!argument.port) {
        return Refuse(streams, argument.error);
    }
    const std::filesystem::path path = invocation.sources.front().name;
    const ConfigurationFileLoad load = LoadConfigurationFile(path);
    if (!load.file) {
        return Refuse(streams, load.error);
    }
    if (!load.file->CheckWordMatches()) {
        return Refuse(streams, CheckWordMismatch(path, *load.file) + "; nothing was sent");
    }
    ConfigImage image = load.file->image;
    ModuleRun run(streams);
    const OperationResult result =
        run.Run(*argument.port, [&image](const ModulePort& port, OperationLog& log) {
            return SendConfiguration(theLink, image, port, log);
        });
    const int status = ExitStatus(result);
    if (status == kExitFailed) {
        run.Report("sending to " + PortName(*argument.port) + " failed" + Cause(result) + "; " +
                   WhatTheModuleHolds(result));
    } else if (status == kExitSuccess) {
        run.Report(QuotedPath(path) + " sent to " + PortName(*argument.port));
    }
    return status;
}

int RunVersion(const Invocation& invocation, const ConsoleStreams& streams) {
    const PortArgument argument = ParsePortArgument(invocation.port);
    if (!argument.port) {
        return Refuse(streams, argument.error);
    }
    ModuleRun run(streams);
    const OperationResult result =
        run.Run(*argument.port, [](const ModulePort& port, OperationLog& log) {
            return ShowModuleVersion(theLink, port, log);
        });
    const int status = ExitStatus(result);
    if (status == kExitSuccess) {
        streams.out << WithoutControlCharacters(result.version) << "\n";
    } else if (status == kExitFailed) {
        run.Report("no answer from " + PortName(*argument.port) + Cause(result) +
                   ": check that the module is powered and connected to that port");
    }
    return status;
}

std::optional<ConfigImage> ReadFromModule(const ModulePort& port, const ConsoleStreams& streams) {
    ConfigImage image{};
    ModuleRun run(streams);
    const OperationResult result =
        run.Run(port, [&image](const ModulePort& opened, OperationLog& log) {
            return ReadInto(image, opened, log);
        });
    if (!result.Completed()) {
        run.Report("reading from " + PortName(port) + " failed" + Cause(result));
        return std::nullopt;
    }
    return image;
}
