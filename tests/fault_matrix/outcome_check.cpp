#include "tests/fault_matrix/outcome_check.h"

#include "tests/fault_matrix/fault_cases.h"

#include <algorithm>

namespace {

constexpr char kWriteError[] = "Write error";
constexpr std::size_t kByteClearedBySend = 5;

std::string Visible(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.replace(at, 2, "|");
    }
    return "\"" + text + "\"";
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : ", ") + Visible(text);
    }
    return "[" + joined + "]";
}

long LeadingWriteErrors(const std::vector<std::string>& boxes) {
    return std::find_if(boxes.begin(), boxes.end(),
                        [](const std::string& text) { return text != kWriteError; }) -
           boxes.begin();
}

// The expected boxes, allowing a few fewer "Write error" boxes before the rest where the case
// says bytes may still have got out.
bool BoxesMatch(const Expectation& expected, const std::vector<std::string>& boxes) {
    const long lacking = LeadingWriteErrors(expected.boxes) - LeadingWriteErrors(boxes);
    if (lacking < 0 || lacking > expected.writeErrorsMayLack) {
        return false;
    }
    return std::equal(boxes.begin(), boxes.end(), expected.boxes.begin() + lacking,
                      expected.boxes.end());
}

ConfigImage ExpectedImage(ImageOutcome outcome) {
    ConfigImage image = ImageAtStart();
    if (outcome == ImageOutcome::ReadFromModule) {
        const ModuleMemory module = ModuleAtStart();
        std::copy(module.begin(), module.end(), image.begin());
    } else if (outcome == ImageOutcome::SentWithByte5Cleared) {
        image[kByteClearedBySend] = 0;
    }
    return image;
}

std::string ImageOutcomeName(ImageOutcome outcome) {
    switch (outcome) {
    case ImageOutcome::Unchanged:
        return "the image unchanged";
    case ImageOutcome::ReadFromModule:
        return "the module's memory in bytes 0-511, the rest unchanged";
    case ImageOutcome::SentWithByte5Cleared:
        return "the image unchanged but byte 5 cleared";
    }
    return "";
}

void CheckConsole(const Expectation& expected, const Observation& seen,
                  std::vector<std::string>& differences) {
    if (seen.pane != expected.pane) {
        differences.push_back("log pane " + Visible(seen.pane) + ", expected " +
                              Visible(expected.pane));
    }
    if (seen.logText != expected.logText) {
        differences.push_back("log text " + Visible(seen.logText) + ", expected " +
                              Visible(expected.logText));
    }
    if (!BoxesMatch(expected, seen.boxes)) {
        differences.push_back("message boxes " + Joined(seen.boxes) + ", expected " +
                              Joined(expected.boxes));
    }
    if (seen.image != ExpectedImage(expected.image)) {
        differences.push_back("image differs from " + ImageOutcomeName(expected.image) +
                              " (byte 5 is " + std::to_string(seen.image[kByteClearedBySend]) +
                              ")");
    }
}

void CheckRawDump(const Expectation& expected, const Observation& seen,
                  std::vector<std::string>& differences) {
    const ModuleMemory module = ModuleAtStart();
    if (expected.rawDumpWritten &&
        seen.rawDump != std::vector<unsigned char>(module.begin(), module.end())) {
        differences.push_back("eeprom.bin missing or not the module's 512 bytes");
    }
    if (!expected.rawDumpWritten && seen.rawDump) {
        differences.push_back("eeprom.bin written by an operation that should not write it");
    }
}

void CheckModule(const Expectation& expected, const Observation& seen,
                 std::vector<std::string>& differences) {
    if (!seen.memory) {
        differences.push_back("the simulator left no memory dump");
    } else if (*seen.memory != expected.memory) {
        const auto differing =
            std::mismatch(seen.memory->begin(), seen.memory->end(), expected.memory.begin());
        differences.push_back("module memory differs first at address " +
                              std::to_string(differing.first - seen.memory->begin()));
    }
    if (seen.frames != expected.frames) {
        differences.push_back("frames " + Describe(seen.frames) + ", expected " +
                              Describe(expected.frames));
    }
    if (seen.simulatorEndedByItself != expected.lineHungUp) {
        differences.push_back(expected.lineHungUp ? "the simulator did not hang up"
                                                  : "the simulator ended by itself");
    }
}

void CheckPort(const Observation& seen, std::vector<std::string>& differences) {
    if (!seen.noDescriptorLeft) {
        differences.push_back("the console still has the port open");
    }
    if (!seen.portFree) {
        differences.push_back("the port cannot be taken exclusively after the command");
    }
}

std::string LastLine(const std::string& pane) {
    const std::string text = pane.ends_with("\r\n") ? pane.substr(0, pane.size() - 2) : pane;
    const std::size_t end = text.rfind("\r\n");
    return end == std::string::npos ? text : text.substr(end + 2);
}

} // namespace

std::vector<std::string> Differences(const FaultCase& fc, const Observation& seen) {
    if (!seen.simulatorStarted) {
        return {"the simulator did not start: " + seen.simulatorLog};
    }
    std::vector<std::string> differences;
    CheckConsole(fc.expected, seen, differences);
    CheckRawDump(fc.expected, seen, differences);
    CheckModule(fc.expected, seen, differences);
    CheckPort(seen, differences);
    return differences;
}

std::string Summary(const Observation& seen) {
    std::string summary = LastLine(seen.pane);
    if (seen.boxes.empty()) {
        return summary;
    }
    const long writeErrors = LeadingWriteErrors(seen.boxes);
    const bool othersFollow = writeErrors < static_cast<long>(seen.boxes.size());
    summary += "; box: ";
    if (writeErrors > 0) {
        summary += std::to_string(writeErrors) + " x " + kWriteError + (othersFollow ? ", " : "");
    }
    return othersFollow ? summary + seen.boxes.back() : summary;
}
