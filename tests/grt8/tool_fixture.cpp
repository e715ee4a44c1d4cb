#include "tool_fixture.h"

#include "sample_configuration.h"
#include "tools/grt8/grt8_tool.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A stream as it reads in a transcript: a terminal's erasing of the status line starts a line
// of its own, and a missing last line end is said.
std::string Shown(const std::string& text) {
    const std::string shown = Replaced(text, "\r\033[K", "\n[erase]");
    return shown.empty() || shown.ends_with('\n') ? shown : shown + "[no line end]\n";
}

} // namespace

ToolTest::ToolTest() {
    Mark("$DIR", folder.Path().string());
    const ConfigImage sample = SampleConfiguration();
    ConfigImage noise = sample;
    for (const std::size_t unshown : {0, 2, 5, 29, 45, 70, 493, 500, 506, 700}) {
        noise[unshown] ^= 0xC0;
    }
    const ConfigImage odd = OddConfiguration();
    for (const auto& [name, image] : {std::pair{"sample.gr8", sample}, std::pair{"odd.gr8", odd},
                                      std::pair{"noise.gr8", noise}}) {
        EXPECT_TRUE(SaveConfiguration(folder / name, image));
    }
    std::vector<unsigned char> bytes = ReadAllBytes(folder / "sample.gr8");
    bytes[200] ^= 0x01;
    WriteAllBytes(folder / "damaged.gr8", bytes);
    bytes = ReadAllBytes(folder / "odd.gr8");
    bytes.resize(bytes.size() + 100, 0xEE);
    WriteAllBytes(folder / "long\xff.gr8", bytes);
}

void ToolTest::Mark(const std::string& mark, const std::string& value) {
    std::erase_if(m_marks, [&mark](const auto& marked) { return marked.first == mark; });
    m_marks.emplace_back(mark, value);
}

std::string ToolTest::Expanded(std::string text) const {
    for (const auto& [mark, value] : m_marks) {
        text = Replaced(text, mark, value);
    }
    return text;
}

std::string ToolTest::Marked(std::string text) const {
    // JSON doubles the backslashes of a Windows path.
    for (const auto& [mark, value] : m_marks) {
        text = Replaced(Replaced(text, value, mark), Replaced(value, "\\", "\\\\"), mark);
    }
    return text;
}

std::string ToolTest::Outcome(const ToolStep& step) const {
    std::vector<std::string> words;
    std::string command = "$ grt8";
    for (const std::string& word : step.words) {
        words.push_back(Expanded(word));
        command += " " + word;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunTool(words, {out, err, step.terminal});
    return command + "\n" + Marked(Shown(out.str())) + "[stderr]\n" + Marked(Shown(err.str())) +
           "[exit " + std::to_string(status) + "]\n\n";
}

std::string ToolTest::Transcript(const std::vector<ToolStep>& steps) const {
    std::string transcript;
    for (const ToolStep& step : steps) {
        transcript += Outcome(step);
    }
    return transcript;
}

void ToolTest::ExpectTranscript(const std::string& name, const std::string& transcript) {
    const std::filesystem::path path = std::filesystem::path(GRT8_EXPECTED_DIR) / (name + ".txt");
    if (std::getenv("GRT8_UPDATE_EXPECTED") != nullptr) {
        std::ofstream(path, std::ios::binary) << transcript;
    }
    std::ifstream file(path, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(transcript, expected) << path;
}
