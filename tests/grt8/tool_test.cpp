// grt8 on configuration files and command lines, on every system.

#include "resources/templates/templates.h"
#include "sample_configuration.h"
#include "tool_fixture.h"
#include "tools/grt8/grt8_tool.h"
#include "tools/grt8/json_report.h"
#include "tools/grt8/progress_log.h"
#include "tools/grt8/text_report.h"

#include <nlohmann/json.hpp>

#include <set>
#include <sstream>

namespace {

TEST_F(ToolTest, ReportsComparisonsAndRefusals) {
    ExpectTranscript("files", Transcript({
                                  {{"show", "$DIR/damaged.gr8"}},
                                  {{"show", "--json", "$DIR/long\xff.gr8"}},
                                  {{"diff", "$DIR/sample.gr8", "$DIR/odd.gr8"}},
                                  {{"diff", "$DIR/noise.gr8", "$DIR/sample.gr8"}},
                                  {{"diff", "$DIR/sample.gr8", "$DIR/damaged.gr8"}},
                                  {{"send", "--port", "COM1", "$DIR/damaged.gr8"}},
                                  {{"read", "--port", "COM1", "-o", "$DIR"}},
                                  {{"read", "--port=COM1", "--output=$DIR/no-folder/a.gr8"}},
                                  {{}},
                                  {{"shwo", "a.gr8"}},
                                  {{"help", "nothing"}},
                                  {{"show"}},
                                  {{"show", "a", "b"}},
                                  {{"show", "a", "--port", "COM1"}},
                                  {{"read", "--json", "--port", "COM1", "-o", "a"}},
                                  {{"read", "--port", "COM1"}},
                                  {{"read", "-o", "a.gr8"}},
                                  {{"read", "--port", "COM1", "-o", "a", "extra"}},
                                  {{"version"}},
                                  {{"read", "-o", "a.gr8", "--port"}},
                                  {{"read", "--port", "COM1", "-o", "a", "-o", "b"}},
                                  {{"send", "a", "--port", "COM1", "--port", "COM2"}},
                                  {{"version", "--port", ""}},
                                  {{"diff", "a.gr8"}},
                                  {{"diff", "a", "--port", "COM1", "c"}},
                                  {{"ports", "extra"}},
                              }));
}

TEST(ToolHelpTest, EachCommandHasTheSameHelpBothWays) {
    for (const std::string command : {"show", "diff", "read", "send", "version", "ports"}) {
        std::ostringstream help;
        std::ostringstream asked;
        std::ostringstream errors;
        EXPECT_EQ(RunTool(std::vector{command, std::string("--help")}, {help, errors}), 0);
        EXPECT_EQ(RunTool(std::vector{std::string("help"), command}, {asked, errors}), 0);
        EXPECT_TRUE(help.str().starts_with("Usage: grt8 " + command + " ")) << help.str();
        EXPECT_EQ(asked.str(), help.str());
        EXPECT_EQ(errors.str(), "");
    }
}

// The lines above the report say what the console would make of the file, whose name cannot
// drive the terminal.
TEST(FileHeaderTest, ALengthOtherThanTheImages) {
    const std::string padded = " brakujące bajty przyjęto jako 0xFF\n";
    const std::pair<std::size_t, std::string> lengths[] = {
        {1, "Plik ma tylko 1 bajt:" + padded},
        {3, "Plik ma tylko 3 bajty:" + padded},
        {12, "Plik ma tylko 12 bajtów:" + padded},
        {22, "Plik ma tylko 22 bajty:" + padded},
        {1000, "Plik ma tylko 1000 bajtów:" + padded},
        {1024, ""},
        {1025, "Plik dłuższy niż 1024 bajty: dalsze bajty pominięto\n"}};
    for (const auto& [length, line] : lengths) {
        ConfigFileContents file;
        file.bytesRead = std::min(length, kConfigImageSize);
        file.longerThanImage = length > kConfigImageSize;
        file.storedCheckWord = file.computedCheckWord = 0x1A2B;
        EXPECT_EQ(FormatFileHeader("a\x1b.gr8", file),
                  "Plik: a\\x1B.gr8\n" + line + "Słowo kontrolne: zgodne (0x1A2B)\n");
    }
}

// A script learns of a check word that does not match as a person does.
TEST(JsonReportTest, ACheckWordThatDoesNotMatch) {
    ConfigFileContents file;
    file.storedCheckWord = 0x1A2B;
    file.computedCheckWord = 1;
    EXPECT_EQ(nlohmann::json::parse(FormatJsonReport("f", file, {}))["checkWord"].dump(),
              R"({"computed":1,"matches":false,"stored":6699})");
}

// An operation that ends in the middle of a line has it ended before the tool's own line.
TEST(ProgressLogTest, AnUnfinishedLineEndsBeforeTheToolsOwn) {
    const std::string open = "Restart modułu z nową konfiguracją...";
    for (const bool terminal : {false, true}) {
        std::ostringstream out;
        ProgressLog log(out, terminal);
        log.AppendToLogPane(open);
        log.Finish();
        log.WriteLine("grt8: done");
        // A terminal has the line on its status line until then.
        EXPECT_EQ(out.str(), (terminal ? open + "\r\033[K" : "") + open + "\ngrt8: done\n");
    }
}

// The captions of a dialog as one-line texts: line breaks and runs of blanks become one blank.
std::set<std::string> CaptionsOf(const DialogTemplate& dialog) {
    std::set<std::string> captions;
    for (const ControlTemplate& control : dialog.controls) {
        std::istringstream words{std::string(control.text)};
        std::string caption;
        for (std::string word; words >> word;) {
            caption += (caption.empty() ? "" : " ") + word;
        }
        captions.insert(caption);
    }
    return captions;
}

// A technician finds each setting of the report under the same words in the console: the
// editor's caption, and a control's caption up to the comma that may say which part is meant.
TEST(ReportTest, SectionsFollowTheEditorsInTheirWords) {
    const ConfigurationReport report = DescribeConfiguration(SampleConfiguration());
    const DialogTemplate* editors[] = {&GeneralSettingsTemplate(), &LineSettingsTemplate(),
                                       &ReportsControlTemplate(), &SmsTextsTemplate()};
    ASSERT_EQ(report.size(), std::size(editors));
    for (std::size_t section = 0; section < report.size(); ++section) {
        EXPECT_EQ(report[section].title, editors[section]->caption);
        const std::set<std::string> captions = CaptionsOf(*editors[section]);
        for (const ReportField& field : report[section].fields) {
            EXPECT_TRUE(captions.contains(field.label.substr(0, field.label.find(", "))))
                << field.label;
        }
    }
}

} // namespace
