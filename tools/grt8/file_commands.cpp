#include "tools/grt8/file_commands.h"

#include "tools/grt8/configuration_diff.h"
#include "tools/grt8/configuration_file.h"
#include "tools/grt8/exit_status.h"
#include "tools/grt8/json_report.h"
#include "tools/grt8/module_commands.h"
#include "tools/grt8/port_argument.h"
#include "tools/grt8/text_report.h"

#include <array>

namespace {

constexpr std::size_t kDiffSides = 2;

// A file the console would refuse is refused here too: its settings mean nothing.
std::optional<ConfigImage> LoadUsableFile(const std::string& name, const ConsoleStreams& streams) {
    const ConfigurationFileLoad load = LoadConfigurationFile(name);
    if (!load.file) {
        Refuse(streams, load.error);
        return std::nullopt;
    }
    if (!load.file->CheckWordMatches()) {
        Refuse(streams, CheckWordMismatch(name, *load.file));
        return std::nullopt;
    }
    return load.file->image;
}

std::string DifferenceCount(std::size_t count) {
    if (count == 0) {
        return "no setting differs";
    }
    return std::to_string(count) + (count == 1 ? " setting differs" : " settings differ");
}

} // namespace

int RunShow(const Invocation& invocation, const ConsoleStreams& streams) {
    const std::string& name = invocation.sources.front().name;
    const ConfigurationFileLoad load = LoadConfigurationFile(name);
    if (!load.file) {
        return Refuse(streams, load.error);
    }
    const ConfigurationReport report = DescribeConfiguration(load.file->image);
    streams.out << (invocation.json ? FormatJsonReport(name, *load.file, report)
                                    : FormatFileHeader(name, *load.file) + FormatReport(report));
    if (!load.file->CheckWordMatches()) {
        return Refuse(streams,
                      CheckWordMismatch(name, *load.file) + "; the console and send refuse it");
    }
    return kExitSuccess;
}

// Files are loaded and ports checked before any module is read, so a mistake in the second
// argument does not cost a read of the first.
int RunDiff(const Invocation& invocation, const ConsoleStreams& streams) {
    std::array<std::optional<ConfigImage>, kDiffSides> images;
    std::array<std::optional<ModulePort>, kDiffSides> ports;
    for (std::size_t side = 0; side < kDiffSides; ++side) {
        const ConfigSource& source = invocation.sources[side];
        if (!source.fromModule) {
            images[side] = LoadUsableFile(source.name, streams);
            if (!images[side]) {
                return kExitRefused;
            }
            continue;
        }
        const PortArgument argument = ParsePortArgument(source.name);
        if (!argument.port) {
            return Refuse(streams, argument.error);
        }
        ports[side] = argument.port;
    }
    for (std::size_t side = 0; side < kDiffSides; ++side) {
        if (ports[side]) {
            images[side] = ReadFromModule(*ports[side], streams);
        }
        if (!images[side]) {
            return kExitRefused;
        }
    }
    const std::vector<FieldDifference> differences = CompareConfigurations(*images[0], *images[1]);
    streams.out << FormatDifferences(differences);
    streams.err << "grt8: " << DifferenceCount(differences.size()) << "\n";
    return differences.empty() ? kExitSuccess : kExitDifferent;
}
