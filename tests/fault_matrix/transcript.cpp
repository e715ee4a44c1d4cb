#include "tests/fault_matrix/transcript.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>

namespace {

constexpr char kLogPrefix[] = "grt8-sim: ";
constexpr char kPaneIndent[] = "    ";
constexpr char kWriteErrorRun[] = "[Write error ×";

std::string Times(int count) {
    return count > 1 ? " ×" + std::to_string(count) : "";
}

std::string Hex(const char* format, std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, format, byte);
    return text;
}

// Control bytes escaped; with lineBreaks, each "\r\n" also ends a line of the transcript.
std::string Escaped(const std::string& text, bool lineBreaks) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (text.compare(i, 2, "\r\n") == 0) {
            escaped += lineBreaks ? std::string("\\r\\n\n") + kPaneIndent : "\\r\\n";
            ++i;
        } else {
            escaped += byte < 0x20 ? Hex("\\x%02X", byte) : text.substr(i, 1);
        }
    }
    return escaped;
}

// The names the byte at `at` goes by: the run's current one first, when it still fits.
std::string NameOf(std::span<const std::uint8_t> bytes, std::size_t at,
                   const std::vector<Reference>& references, const std::string& current) {
    std::vector<std::string> names;
    for (const Reference& reference : references) {
        if (at < reference.bytes.size() && reference.bytes[at] == bytes[at]) {
            names.push_back(reference.name);
        }
    }
    names.push_back(Hex("=0x%02X", bytes[at]));
    return std::find(names.begin(), names.end(), current) != names.end() ? current : names[0];
}

std::string RunText(std::size_t first, std::size_t end, const std::string& name) {
    const std::string last = end - first > 1 ? "-" + std::to_string(end - 1) : "";
    return std::to_string(first) + last + " " + name;
}

// Where the count of the first run of "Write error" boxes stands, and the count; 0 for no run.
std::pair<std::size_t, int> FirstWriteErrorRun(const std::string& text) {
    const std::size_t at = text.find(kWriteErrorRun);
    if (at == std::string::npos) {
        return {at, 0};
    }
    const std::size_t countAt = at + sizeof kWriteErrorRun - 1;
    return {countAt, std::stoi(text.substr(countAt))};
}

} // namespace

std::string PaneWithBoxes(std::span<const std::string> boxesAndPanes, const std::string& pane) {
    std::string text;
    std::string shown;
    std::string box;
    int repeats = 0;
    const auto closeBox = [&] {
        text += repeats > 0 ? "[" + box + Times(repeats) + "]" : "";
        repeats = 0;
    };
    const auto showPane = [&](const std::string& now) {
        if (now == shown) {
            return;
        }
        closeBox();
        if (!now.starts_with(shown)) {
            text += std::string("(pane cleared)\n") + kPaneIndent;
            shown.clear();
        }
        text += Escaped(now.substr(shown.size()), true);
        shown = now;
    };
    for (std::size_t i = 0; i + 1 < boxesAndPanes.size(); i += 2) {
        showPane(boxesAndPanes[i + 1]);
        const std::string shownBox = boxesAndPanes[i].substr(1, boxesAndPanes[i].size() - 2);
        if (shownBox != box) {
            closeBox();
        }
        box = shownBox;
        ++repeats;
    }
    showPane(pane);
    closeBox();
    const std::size_t indentEnd = text.size() - (sizeof kPaneIndent - 1);
    text = text.ends_with(kPaneIndent) ? text.substr(0, indentEnd) : text + "\n";
    return kPaneIndent + text;
}

std::string OnOneLine(const std::string& text) {
    return Escaped(text, false);
}

std::string Runs(std::span<const std::uint8_t> bytes, const std::vector<Reference>& references) {
    std::string text;
    std::string name;
    std::size_t first = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const std::string now = NameOf(bytes, at, references, name);
        if (at > 0 && now != name) {
            text += RunText(first, at, name) + ", ";
            first = at;
        }
        name = now;
    }
    return bytes.empty() ? "nothing" : text + RunText(first, bytes.size(), name);
}

std::string FramesTaken(const std::string& simulatorLog) {
    std::istringstream lines(simulatorLog + "\n");
    std::string text;
    std::string previous;
    int repeats = 0;
    for (std::string line; std::getline(lines, line);) {
        line = line.substr(line.starts_with(kLogPrefix) ? sizeof kLogPrefix - 1 : 0);
        line = line.substr(0, line.find(" gaps_us="));
        if (line != previous && repeats > 0) {
            text += previous + Times(repeats) + "\n";
            repeats = 0;
        }
        previous = line;
        ++repeats;
    }
    return text;
}

std::string AllowingMissingWriteErrors(std::string seen, const std::string& expected,
                                       int tolerance) {
    const auto [seenAt, seenCount] = FirstWriteErrorRun(seen);
    const int lacking = FirstWriteErrorRun(expected).second - seenCount;
    if (seenCount > 0 && lacking > 0 && lacking <= tolerance) {
        seen.replace(seenAt, std::to_string(seenCount).size(), std::to_string(seenCount + lacking));
    }
    return seen;
}
