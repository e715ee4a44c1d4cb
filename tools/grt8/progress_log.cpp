#include "tools/grt8/progress_log.h"

#include "tools/grt8/escaping.h"

#include <array>
#include <string_view>

namespace {

constexpr int kBlockCount = 4;
constexpr int kBarCellsPerBlock = 5;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEraseLine = "\r\033[K";
constexpr std::array<std::string_view, 2> kBlockHeadings = {"Zapis bloku ", "Odczyt bloku "};
constexpr std::string_view kVerification = "Weryfikacja ...";
constexpr std::string_view kVerified = "OK.";
constexpr std::string_view kReadComplete = "Odczyt konfiguracji zakończony.";

// "Zapis bloku 2..." and "Odczyt bloku 2..." give 2.
std::optional<int> BlockNumber(std::string_view line) {
    for (const std::string_view heading : kBlockHeadings) {
        if (line.size() != heading.size() + 4 || !line.starts_with(heading) ||
            !line.ends_with("...")) {
            continue;
        }
        const char digit = line[heading.size()];
        if (digit >= '1' && digit <= '0' + kBlockCount) {
            return digit - '0';
        }
    }
    return std::nullopt;
}

std::string WithUnixLineEnds(const std::string& text) {
    std::string converted;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, kLineEnd.size(), kLineEnd) == 0) {
            ++at;
        }
        converted += text[at];
    }
    return converted;
}

} // namespace

void ProgressLog::AppendToLogPane(const std::string& text) {
    EndRepeats();
    if (!m_terminal) {
        AppendPlain(text);
        return;
    }
    m_pending += text;
    for (std::size_t end = m_pending.find(kLineEnd); end != std::string::npos;
         end = m_pending.find(kLineEnd)) {
        const std::string line = m_pending.substr(0, end);
        m_pending.erase(0, end + kLineEnd.size());
        CompleteLine(line);
    }
    DrawStatus();
}

void ProgressLog::WriteLine(const std::string& line) {
    EndRepeats();
    WriteOwnLine(line);
}

void ProgressLog::WriteMessage(const std::string& text) {
    if (m_lastMessage == text) {
        ++m_repeats;
        return;
    }
    EndRepeats();
    WriteOwnLine(text);
    m_lastMessage = text;
}

void ProgressLog::EndRepeats() {
    if (m_repeats > 0) {
        WriteOwnLine("(the same message " + std::to_string(m_repeats) +
                     (m_repeats == 1 ? " more time)" : " more times)"));
    }
    m_repeats = 0;
    m_lastMessage.reset();
}

void ProgressLog::WriteOwnLine(const std::string& line) {
    if (m_terminal) {
        PrintAbove(line);
        DrawStatus();
        return;
    }
    m_out << (m_midLine ? "\n" : "") << WithoutControlCharacters(line) << "\n" << std::flush;
    m_midLine = false;
}

void ProgressLog::Finish() {
    EndRepeats();
    if (!m_terminal) {
        m_out << (m_midLine ? "\n" : "") << std::flush;
        m_midLine = false;
        return;
    }
    EraseStatus();
    if (m_barActive) {
        CommitBar();
    }
    if (!m_pending.empty()) {
        PrintAbove(m_pending);
        m_pending.clear();
    }
    m_out << std::flush;
}

void ProgressLog::AppendPlain(const std::string& text) {
    const std::string shown = WithoutControlCharacters(WithUnixLineEnds(text));
    if (!shown.empty()) {
        m_midLine = shown.back() != '\n';
    }
    m_out << shown << std::flush;
}

// A block heading moves the bar, a verified block fills its part; a retried block stays in
// view above the bar, so a technician sees a flaky line at a glance.
void ProgressLog::CompleteLine(const std::string& line) {
    if (const std::optional<int> block = BlockNumber(line)) {
        m_block = *block;
        m_blocksDone = *block - 1;
        m_heading = line;
        m_barActive = true;
        return;
    }
    if (m_barActive && line.starts_with(kVerification)) {
        if (line.ends_with(kVerified)) {
            m_blocksDone = m_block;
        } else {
            PrintAbove(m_heading + " " + line);
        }
        return;
    }
    if (m_barActive && line == kReadComplete) {
        m_blocksDone = kBlockCount;
    }
    if (m_barActive && m_blocksDone == kBlockCount) {
        CommitBar();
    }
    PrintAbove(line);
}

void ProgressLog::PrintAbove(const std::string& line) {
    EraseStatus();
    m_out << WithoutControlCharacters(line) << "\n";
}

void ProgressLog::CommitBar() {
    EraseStatus();
    m_out << BarText() << "\n";
    m_barActive = false;
}

std::string ProgressLog::BarText() const {
    const auto filled = static_cast<std::size_t>(m_blocksDone * kBarCellsPerBlock);
    const auto empty = static_cast<std::size_t>((kBlockCount - m_blocksDone) * kBarCellsPerBlock);
    return "[" + std::string(filled, '#') + std::string(empty, '.') + "] " +
           std::to_string(m_blocksDone) + "/" + std::to_string(kBlockCount);
}

void ProgressLog::DrawStatus() {
    std::string status = m_barActive ? BarText() + "  " + m_heading : "";
    status += (m_barActive && !m_pending.empty() ? " " : "") + m_pending;
    EraseStatus();
    if (!status.empty()) {
        m_out << WithoutControlCharacters(status);
        m_statusShown = true;
    }
    m_out << std::flush;
}

void ProgressLog::EraseStatus() {
    if (m_statusShown) {
        m_out << kEraseLine;
        m_statusShown = false;
    }
}
