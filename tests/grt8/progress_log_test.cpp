#include "tools/grt8/progress_log.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

const std::string kContact = "Otwarcie portu COM1\r\nNawiązywanie połączenia...\r\n";
const std::string kClosing =
    "Ładowanie konfiguracji zakończone.\r\nRestart modułu z nową konfiguracją...OK.\r\n";

std::string Block(int number, bool verified = true) {
    return "Zapis bloku " + std::to_string(number) + "...\r\nWeryfikacja ..." +
           (verified ? "OK.\r\n" : "Ponowny zapis.\r\n");
}

// Appends the text piece by piece, as the operation does.
void Append(ProgressLog& log, const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        const std::size_t pieceEnd = end == std::string::npos ? text.size() : end + 2;
        log.AppendToLogPane(text.substr(at, pieceEnd - at));
        at = pieceEnd;
    }
}

// What a terminal shows after the output: "\r\033[K" empties the line being written.
std::vector<std::string> VisibleLines(const std::string& output) {
    const std::string erase = "\r\033[K";
    std::vector<std::string> lines{""};
    for (std::size_t at = 0; at < output.size(); ++at) {
        if (output.compare(at, erase.size(), erase) == 0) {
            lines.back().clear();
            at += erase.size() - 1;
        } else if (output[at] == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += output[at];
        }
    }
    if (lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

class ProgressLogTest : public ::testing::Test {
protected:
    std::ostringstream out;
};

TEST_F(ProgressLogTest, OffATerminalTheLinesAreTheConsolesLogLines) {
    ProgressLog log(out, false);
    const std::string sent =
        kContact + Block(1) + Block(2, false) + Block(2) + Block(3) + Block(4) + kClosing;
    Append(log, sent);
    log.Finish();
    EXPECT_EQ(out.str(), "Otwarcie portu COM1\nNawiązywanie połączenia...\n"
                         "Zapis bloku 1...\nWeryfikacja ...OK.\n"
                         "Zapis bloku 2...\nWeryfikacja ...Ponowny zapis.\n"
                         "Zapis bloku 2...\nWeryfikacja ...OK.\n"
                         "Zapis bloku 3...\nWeryfikacja ...OK.\n"
                         "Zapis bloku 4...\nWeryfikacja ...OK.\n"
                         "Ładowanie konfiguracji zakończone.\n"
                         "Restart modułu z nową konfiguracją...OK.\n");
}

TEST_F(ProgressLogTest, AMessageInTheMiddleOfALineGetsALineOfItsOwn) {
    ProgressLog log(out, false);
    log.AppendToLogPane("Weryfikacja ...");
    log.WriteLine("Write error");
    log.AppendToLogPane("OK.\r\n");
    log.AppendToLogPane("Restart modułu z nową konfiguracją...");
    log.Finish();
    log.WriteLine("grt8: done");
    EXPECT_EQ(out.str(), "Weryfikacja ...\nWrite error\nOK.\n"
                         "Restart modułu z nową konfiguracją...\ngrt8: done\n");
}

TEST_F(ProgressLogTest, AMessageRepeatedWithNothingBetweenIsCounted) {
    ProgressLog log(out, false);
    log.AppendToLogPane("Weryfikacja ...");
    for (int i = 0; i < 40; ++i) {
        log.WriteMessage("Write error");
    }
    log.AppendToLogPane("Ponowny zapis.\r\n");
    log.WriteMessage("Write error");
    log.WriteMessage("Błąd weryfikacji 2");
    log.WriteMessage("Błąd weryfikacji 2");
    log.Finish();
    EXPECT_EQ(out.str(), "Weryfikacja ...\nWrite error\n(the same message 39 more times)\n"
                         "Ponowny zapis.\nWrite error\nBłąd weryfikacji 2\n"
                         "(the same message 1 more time)\n");
}

TEST_F(ProgressLogTest, WhatAModuleSendsCannotDriveTheTerminal) {
    for (const bool terminal : {false, true}) {
        std::ostringstream output;
        ProgressLog log(output, terminal);
        log.AppendToLogPane("Wersja modułu : G8v\x1b[2J\a\r\n");
        log.Finish();
        EXPECT_EQ(VisibleLines(output.str()),
                  std::vector<std::string>{"Wersja modułu : G8v\\x1B[2J\\x07"});
    }
}

TEST_F(ProgressLogTest, OnATerminalTheBarShowsTheBlockAndTheStepUnderWay) {
    ProgressLog log(out, true);
    Append(log, kContact + Block(1) + Block(2) + "Zapis bloku 3...\r\nWeryfikacja ...");
    EXPECT_EQ(VisibleLines(out.str()),
              (std::vector<std::string>{"Otwarcie portu COM1", "Nawiązywanie połączenia...",
                                        "[##########..........] 2/4  Zapis bloku 3... "
                                        "Weryfikacja ..."}));
}

TEST_F(ProgressLogTest, OnATerminalRetriesStayInViewAndTheFullBarEndsTheBlocks) {
    ProgressLog log(out, true);
    Append(log, kContact + Block(1) + Block(2, false) + Block(2) + Block(3) + Block(4) + kClosing);
    log.Finish();
    EXPECT_EQ(VisibleLines(out.str()),
              (std::vector<std::string>{"Otwarcie portu COM1", "Nawiązywanie połączenia...",
                                        "Zapis bloku 2... Weryfikacja ...Ponowny zapis.",
                                        "[####################] 4/4",
                                        "Ładowanie konfiguracji zakończone.",
                                        "Restart modułu z nową konfiguracją...OK."}));
}

TEST_F(ProgressLogTest, OnATerminalAFailureLeavesTheBarWhereItStopped) {
    ProgressLog log(out, true);
    Append(log, kContact + Block(1) + Block(2, false) + Block(2, false));
    log.WriteLine("Błąd weryfikacji 2");
    log.Finish();
    log.WriteLine("grt8: sending failed");
    EXPECT_EQ(VisibleLines(out.str()),
              (std::vector<std::string>{"Otwarcie portu COM1", "Nawiązywanie połączenia...",
                                        "Zapis bloku 2... Weryfikacja ...Ponowny zapis.",
                                        "Zapis bloku 2... Weryfikacja ...Ponowny zapis.",
                                        "Błąd weryfikacji 2", "[#####...............] 1/4",
                                        "grt8: sending failed"}));
}

TEST_F(ProgressLogTest, OnATerminalAReadFillsTheBarBeforeItsLastLine) {
    ProgressLog log(out, true);
    Append(log, kContact + "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\nOdczyt bloku 3...\r\n");
    EXPECT_EQ(VisibleLines(out.str()).back(), "[##########..........] 2/4  Odczyt bloku 3...");
    Append(log, "Odczyt bloku 4...\r\nOdczyt konfiguracji zakończony.\r\n");
    log.Finish();
    EXPECT_EQ(VisibleLines(out.str()),
              (std::vector<std::string>{"Otwarcie portu COM1", "Nawiązywanie połączenia...",
                                        "[####################] 4/4",
                                        "Odczyt konfiguracji zakończony."}));
}

} // namespace
