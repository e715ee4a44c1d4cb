#include "tests/soak/soak_round.h"

#include "tests/core/temporary_folder.h"
#include "tests/fault_matrix/expected_logs.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kSpoiled = 0xEE;
constexpr std::size_t kByteClearedBySend = 5;
constexpr std::size_t kModuleOwnBytes = 3;
constexpr int kBlockCount = 4;

ConfigImage ImageOfRound(int round) {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * (round % 5 + 3) + round);
    }
    image[kByteClearedBySend] = static_cast<std::uint8_t>(round | 1);
    return image;
}

std::string CompleteSendLines() {
    std::string lines = ContactLines();
    for (int block = 1; block <= kBlockCount; ++block) {
        lines += SendBlockLines(block, 0);
    }
    return lines + SendClosingLines();
}

void Expect(bool condition, const std::string& what, std::vector<std::string>& problems) {
    if (!condition) {
        problems.push_back(what);
    }
}

// What the read must give: the module's own first three bytes, what was sent after them, and
// the part of the image that stays on the computer untouched.
ConfigImage ExpectedAfterRead(const ConfigImage& sent, const ModuleMemory& moduleAtStart) {
    ConfigImage expected;
    expected.fill(kSpoiled);
    std::copy_n(moduleAtStart.begin(), kModuleOwnBytes, expected.begin());
    std::copy(sent.begin() + kModuleOwnBytes, sent.begin() + kModuleMemorySize,
              expected.begin() + kModuleOwnBytes);
    return expected;
}

} // namespace

std::vector<std::string> RunSoakRound(ConsoleDriver& console, int round,
                                      const ModuleMemory& moduleAtStart,
                                      const std::string& version) {
    std::vector<std::string> problems;
    console.Run(Operation::Version);
    Expect(console.Pane() == VersionLines(version), "version log: " + console.Pane(), problems);

    ConfigImage& image = console.Image();
    image = ImageOfRound(round);
    console.Run(Operation::Send);
    Expect(console.Pane() == CompleteSendLines(), "send log: " + console.Pane(), problems);
    Expect(image[kByteClearedBySend] == 0, "byte 5 not cleared by the send", problems);
    const ConfigImage sent = image;

    image.fill(kSpoiled);
    console.Run(Operation::Read);
    Expect(console.Pane() == CompleteReadLines(), "read log: " + console.Pane(), problems);
    Expect(image == ExpectedAfterRead(sent, moduleAtStart), "the read did not give back the send",
           problems);
    const std::vector<unsigned char> dump = ReadAllBytes("eeprom.bin");
    Expect(std::equal(dump.begin(), dump.end(), image.begin(), image.begin() + kModuleMemorySize),
           "eeprom.bin does not hold what was read", problems);

    for (const std::string& box : console.Boxes()) {
        problems.push_back("message box: " + box);
    }
    return problems;
}
