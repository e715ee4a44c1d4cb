#include "tests/fault_matrix/case_run.h"

#include "tests/core/temporary_folder.h"
#include "tests/fault_matrix/console_driver.h"
#include "tests/fault_matrix/port_probe.h"
#include "tests/fault_matrix/sim_frame_log.h"
#include "tests/fault_matrix/working_folder.h"
#include "tools/sim_process.h"

#include <algorithm>
#include <memory>

namespace {

constexpr double kHangUpExitSeconds = 5.0;

std::vector<std::string> SimulatorOptions(const FaultCase& fc, const TemporaryFolder& folder) {
    std::vector<std::string> options = {"--fast",    "--log",
                                        "--version", kSimulatorVersion,
                                        "--memory",  (folder / "module.bin").string(),
                                        "--dump",    (folder / "dump.bin").string()};
    options.insert(options.end(), fc.simulatorOptions.begin(), fc.simulatorOptions.end());
    return options;
}

std::optional<std::vector<unsigned char>> FileIfAny(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) {
        return std::nullopt;
    }
    return ReadAllBytes(path);
}

std::optional<ModuleMemory> DumpedMemory(const std::filesystem::path& path) {
    const std::optional<std::vector<unsigned char>> bytes = FileIfAny(path);
    if (!bytes || bytes->size() != ModuleMemory().size()) {
        return std::nullopt;
    }
    ModuleMemory memory;
    std::copy(bytes->begin(), bytes->end(), memory.begin());
    return memory;
}

void RunCommand(const FaultCase& fc, ConsoleDriver& console, const std::string& device,
                Observation& seen) {
    std::unique_ptr<PortHolder> holder;
    if (fc.port == PortCondition::InUse) {
        holder = std::make_unique<PortHolder>(device);
    }
    seen.seconds = console.Run(fc.operation);
}

// Looked at as soon as the command has ended, while the console window still exists.
void CheckPortClosed(const FaultCase& fc, const std::string& device, Observation& seen) {
    seen.noDescriptorLeft = NoDescriptorOpenOn(device);
    seen.portFree = fc.expected.lineHungUp || CanTakeExclusively(device);
}

void GatherConsole(ConsoleDriver& console, Observation& seen) {
    seen.pane = console.Pane();
    seen.logText = console.LogText();
    seen.boxes = console.Boxes();
    seen.image = console.Image();
}

void GatherSimulator(const FaultCase& fc, SimProcess& simulator, const TemporaryFolder& folder,
                     Observation& seen) {
    seen.simulatorEndedByItself =
        simulator.WaitForExit(fc.expected.lineHungUp ? kHangUpExitSeconds : 0.0) == 0;
    simulator.Stop();
    seen.memory = DumpedMemory(folder / "dump.bin");
    seen.simulatorLog = simulator.ErrorOutput();
    seen.frames = FrameSequence(seen.simulatorLog);
}

} // namespace

Observation RunCase(const FaultCase& fc, const std::string& simulatorPath) {
    Observation seen;
    TemporaryFolder folder;
    const WorkingFolder workingFolder(folder.Path());
    const ModuleMemory start = ModuleAtStart();
    WriteAllBytes(folder / "module.bin", std::vector<unsigned char>(start.begin(), start.end()));
    SimProcess simulator(simulatorPath, SimulatorOptions(fc, folder));
    seen.simulatorStarted = !simulator.path().empty();
    if (!seen.simulatorStarted) {
        seen.simulatorLog = simulator.ErrorOutput();
        return seen;
    }
    const std::string device = simulator.path();
    const std::string com4 =
        fc.port == PortCondition::Missing ? (folder / "no-such-device").string() : device;
    {
        ConsoleDriver console(com4);
        console.Image() = ImageAtStart();
        RunCommand(fc, console, device, seen);
        CheckPortClosed(fc, device, seen);
        GatherConsole(console, seen);
    }
    GatherSimulator(fc, simulator, folder, seen);
    seen.rawDump = FileIfAny(folder / "eeprom.bin");
    return seen;
}
