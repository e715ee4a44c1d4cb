#include "tests/fault_matrix/outcome_check.h"

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

// The expected boxes, less the "Write error" boxes the case allows to be missing when bytes
// may still have got out.
std::vector<std::string> BoxesAsSeen(const Expectation& expected,
                                     const std::vector<std::string>& boxes) {
    const long lacking = LeadingWriteErrors(expected.boxes) - LeadingWriteErrors(boxes);
    if (lacking < 0 || lacking > expected.writeErrorsMayLack) {
        return expected.boxes;
    }
    return {expected.boxes.begin() + lacking, expected.boxes.end()};
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

template <typename Bytes> std::string FirstDifference(const Bytes& seen, const Bytes& expected) {
    const auto at = std::mismatch(seen.begin(), seen.end(), expected.begin(), expected.end());
    return at.first == seen.end() && at.second == expected.end()
               ? "as designed"
               : "differs first at byte " + std::to_string(at.first - seen.begin());
}

std::string DumpState(const std::optional<std::vector<unsigned char>>& dump) {
    const ModuleMemory module = ModuleAtStart();
    return !dump ? "none"
                 : FirstDifference(*dump, std::vector<unsigned char>(module.begin(), module.end()));
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
    const Expectation& expected = fc.expected;
    const std::pair<std::string, std::pair<std::string, std::string>> items[] = {
        {"log pane", {Visible(seen.pane), Visible(expected.pane)}},
        {"log text", {Visible(seen.logText), Visible(expected.logText)}},
        {"message boxes", {Joined(seen.boxes), Joined(BoxesAsSeen(expected, seen.boxes))}},
        {"image", {FirstDifference(seen.image, ExpectedImage(expected.image)), "as designed"}},
        {"eeprom.bin", {DumpState(seen.rawDump), expected.rawDumpWritten ? "as designed" : "none"}},
        {"module memory",
         {seen.memory ? FirstDifference(*seen.memory, expected.memory) : "no dump", "as designed"}},
        {"frames", {seen.frames, expected.frames}},
        {"simulator hung up",
         {seen.simulatorEndedByItself ? "yes" : "no", expected.lineHungUp ? "yes" : "no"}},
        {"port closed and free", {seen.noDescriptorLeft && seen.portFree ? "yes" : "no", "yes"}},
    };
    std::vector<std::string> differences;
    for (const auto& [what, values] : items) {
        if (values.first != values.second) {
            differences.push_back(what + ": " + values.first + ", expected " + values.second);
        }
    }
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
