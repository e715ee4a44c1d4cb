#pragma once

#include "tests/core/temporary_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// One run of grt8. Its words may name the test's folder as $DIR and marked values by their
// marks ($PORT, ...).
struct ToolStep {
    std::vector<std::string> words;
    // Whether standard error is a terminal, which gets a progress bar instead of the log lines.
    bool terminal = false;
};

// grt8 run inside the test on configurations saved in a fresh folder: sample.gr8 and odd.gr8
// (see sample_configuration.h), noise.gr8 (the sample with only bytes no editor shows changed),
// damaged.gr8 (the sample with a check word that does not match) and long\xff.gr8 (odd.gr8
// with bytes after the image, under a name that is not UTF-8). The whole outcome of each run,
// marks put back in place of their values, makes a transcript compared with expected/NAME.txt
// beside this file; with GRT8_UPDATE_EXPECTED set, the transcript is written there instead.
class ToolTest : public ::testing::Test {
protected:
    ToolTest();

    // From now on `mark` stands for `value`, in place of what it stood for before.
    void Mark(const std::string& mark, const std::string& value);
    std::string Transcript(const std::vector<ToolStep>& steps) const;
    static void ExpectTranscript(const std::string& name, const std::string& transcript);

    TemporaryFolder folder;

private:
    std::string Expanded(std::string text) const;
    std::string Marked(std::string text) const;
    std::string Outcome(const ToolStep& step) const;

    std::vector<std::pair<std::string, std::string>> m_marks;
};
