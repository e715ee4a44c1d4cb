#pragma once

#include "operations/operation_log.h"

#include <optional>
#include <ostream>
#include <string>

// The module operations' log, written as it comes. On a terminal the block headings drive a
// progress bar redrawn in place, with the other lines above it; anywhere else every line is
// written as the console's log pane would show it, which suits log files and pipes.
class ProgressLog final : public OperationLog {
public:
    ProgressLog(std::ostream& out, bool terminal) : m_out(out), m_terminal(terminal) {}

    // One command, one operation: there is no earlier text to clear.
    void ClearLogPane() override {}
    void ClearLogPaneAndText() override {}
    void AppendToLogPane(const std::string& text) override;

    // A line of the tool's own, kept clear of the bar.
    void WriteLine(const std::string& line);
    // A message box's text. The same message again with nothing logged in between is counted
    // instead of repeated: a port that has gone away gives one for every byte of every frame.
    void WriteMessage(const std::string& text);
    // Ends the bar and any unfinished line, so what follows starts on a line of its own.
    void Finish();

private:
    void WriteOwnLine(const std::string& line);
    void EndRepeats();
    void AppendPlain(const std::string& text);
    void CompleteLine(const std::string& line);
    void PrintAbove(const std::string& line);
    void CommitBar();
    std::string BarText() const;
    void DrawStatus();
    void EraseStatus();

    std::ostream& m_out;
    bool m_terminal;
    // Plain: whether the last text written left its line open.
    bool m_midLine = false;
    // Terminal: the text of the line not yet ended, shown on the status line.
    std::string m_pending;
    bool m_statusShown = false;
    bool m_barActive = false;
    int m_block = 0;
    int m_blocksDone = 0;
    std::string m_heading;
    // The message written last, while nothing else has been written after it.
    std::optional<std::string> m_lastMessage;
    int m_repeats = 0;
};
