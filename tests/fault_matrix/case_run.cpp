#include "tests/fault_matrix/case_run.h"

#include "resources/resource_ids.h"
#include "tests/core/temporary_folder.h"
#include "tests/fault_matrix/transcript.h"
#include "tools/sim_process.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr std::uint8_t kSpoiled = 0xEE;

// The module's memory when the simulator starts and the console's image before the first
// command differ in every byte, so each byte that moves shows as "module" or "image".
std::vector<std::uint8_t> Pattern(std::size_t size, int step, int offset) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * step + offset);
    }
    return bytes;
}

const std::vector<std::uint8_t> kModuleAtStart = Pattern(kModuleMemorySize, 13, 1);
const std::vector<std::uint8_t> kImageAtStart = Pattern(kConfigImageSize, 7, 2);
const std::vector<Reference> kReferences = {{"module", kModuleAtStart}, {"image", kImageAtStart}};

std::string FileRuns(const std::filesystem::path& path) {
    return Runs(ReadAllBytes(path), kReferences);
}

// Open and locked, as a program using the device holds it; -1 when that is not possible.
int OpenLocked(const std::string& devicePath) {
    const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Whether this process still has a descriptor on the device (one on a device that has gone
// away reads back as its path and " (deleted)"), and whether anybody holds the device.
std::string PortState(const std::string& devicePath) {
    std::string state = "closed";
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code unreadable;
        const std::string target = std::filesystem::read_symlink(entry, unreadable).string();
        state = target == devicePath || target.starts_with(devicePath + " ") ? "left open" : state;
    }
    if (!std::filesystem::exists(devicePath)) {
        return state + ", device gone";
    }
    const int fd = OpenLocked(devicePath);
    if (fd < 0) {
        return state + ", device held";
    }
    close(fd);
    return state + ", device free";
}

// A read starts from an image whose module bytes are spoiled, so every byte it takes shows, also
// where the module already holds what the image held.
std::string RunStep(const Command& step, PortCondition port, Console& console,
                    const std::string& device) {
    ConfigImage& image = console.window.Image();
    if (step.id == ID_READ_CONFIGURATION) {
        std::fill_n(image.begin(), kModuleMemorySize, kSpoiled);
    }
    const std::size_t boxesBefore = console.boxes.sequence.size();
    const int holder = port == PortCondition::InUse ? OpenLocked(device) : -1;
    console.window.SendCommand(step.id);
    if (holder >= 0) {
        close(holder);
    }
    const std::span<const std::string> boxes(console.boxes.sequence.begin() + boxesBefore,
                                             console.boxes.sequence.end());
    return step.name + ":\n" + PaneWithBoxes(boxes, console.window.ItemText(IDC_LOG)) +
           "log text: " + OnOneLine(console.window.m_strLog) +
           "\nimage: " + Runs(image, kReferences) + "\neeprom.bin: " + FileRuns("eeprom.bin") +
           "\nport: " + PortState(device) + "\n";
}

} // namespace

Console::Console() {
    window.ShowWindow(true);
    boxes.RecordWithLogOf(window, IDC_LOG);
}

std::string RunCase(const FaultCase& fc, Console& console, const std::string& simulatorPath) {
    TemporaryFolder folder;
    const std::filesystem::path previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    WriteAllBytes("module.bin", kModuleAtStart);
    WriteAllBytes("eeprom.bin", {kImageAtStart.begin(), kImageAtStart.begin() + kModuleMemorySize});
    std::vector<std::string> options = {"--fast",     "--log",  "--memory",
                                        "module.bin", "--dump", "dump.bin"};
    options.insert(options.end(), fc.simulatorOptions.begin(), fc.simulatorOptions.end());
    SimProcess simulator(simulatorPath, options);
    const std::string com4 =
        fc.port == PortCondition::Missing ? (folder / "no-device").string() : simulator.path();
    setenv("GRT8_COM4", com4.c_str(), 1);
    console.window.SendCommand(ID_COM4);
    std::copy(kImageAtStart.begin(), kImageAtStart.end(), console.window.Image().begin());
    std::string transcript;
    for (const Command& step : fc.steps) {
        transcript += RunStep(step, fc.port, console, simulator.path());
    }
    simulator.Stop();
    transcript += "module memory: " + FileRuns("dump.bin") + "\nmodule took:\n" +
                  FramesTaken(simulator.ErrorOutput());
    std::filesystem::current_path(previousFolder);
    return transcript;
}
