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

const std::string kSendWithRetry =
    kContact + Block(1) + Block(2, false) + Block(2) + Block(3) + Block(4) + kClosing;

// What a terminal shows after the output, a line each: "\r\033[K" empties the line being
// written. Off a terminal the output itself.
std::string Visible(const std::string& output, bool terminal) {
    if (!terminal) {
        return output;
    }
    const std::string erase = "\r\033[K";
    std::string shown;
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at < output.size(); ++at) {
        if (output.compare(at, erase.size(), erase) == 0) {
            shown.resize(lineStart);
            at += erase.size() - 1;
        } else {
            shown += output[at];
            lineStart = output[at] == '\n' ? shown.size() : lineStart;
        }
    }
    return shown;
}

// What the operation does to the log, in order: "|text" appends to the pane (a line at a time,
// as the operation does), "!text" is a message box, "=text" a line of the tool's own, and "."
// ends the operation.
void Play(ProgressLog& log, const std::vector<std::string>& steps) {
    for (const std::string& step : steps) {
        const std::string text = step.substr(1);
        if (step[0] == '|') {
            for (std::size_t at = 0; at < text.size();) {
                const std::size_t end = text.find("\r\n", at);
                const std::size_t pieceEnd = end == std::string::npos ? text.size() : end + 2;
                log.AppendToLogPane(text.substr(at, pieceEnd - at));
                at = pieceEnd;
            }
        } else if (step[0] == '!') {
            log.WriteMessage(text);
        } else if (step[0] == '=') {
            log.WriteLine(text);
        } else {
            log.Finish();
        }
    }
}

struct LogCase {
    bool terminal;
    std::vector<std::string> steps;
    std::string shown;
};

TEST(ProgressLogTest, TheConsolesLinesOffATerminalAndABarByBlockOnOne) {
    const std::vector<std::string> writeErrors(40, "!Write error");
    std::vector<std::string> repeated = {"|Weryfikacja ..."};
    repeated.insert(repeated.end(), writeErrors.begin(), writeErrors.end());
    repeated.insert(repeated.end(), {"|Ponowny zapis.\r\n", "!Write error", "!Błąd weryfikacji 2",
                                     "!Błąd weryfikacji 2", "."});
    const LogCase cases[] = {
        {false,
         {"|" + kSendWithRetry, "."},
         "Otwarcie portu COM1\nNawiązywanie połączenia...\n"
         "Zapis bloku 1...\nWeryfikacja ...OK.\n"
         "Zapis bloku 2...\nWeryfikacja ...Ponowny zapis.\n"
         "Zapis bloku 2...\nWeryfikacja ...OK.\n"
         "Zapis bloku 3...\nWeryfikacja ...OK.\n"
         "Zapis bloku 4...\nWeryfikacja ...OK.\n"
         "Ładowanie konfiguracji zakończone.\n"
         "Restart modułu z nową konfiguracją...OK.\n"},
        // A message in the middle of a line gets a line of its own.
        {false,
         {"|Weryfikacja ...", "=Write error", "|OK.\r\n", "|Restart modułu z nową konfiguracją...",
          ".", "=grt8: done"},
         "Weryfikacja ...\nWrite error\nOK.\nRestart modułu z nową konfiguracją...\ngrt8: done\n"},
        // A message repeated with nothing between is counted.
        {false, repeated,
         "Weryfikacja ...\nWrite error\n(the same message 39 more times)\n"
         "Ponowny zapis.\nWrite error\nBłąd weryfikacji 2\n(the same message 1 more time)\n"},
        // What a module sends cannot drive the terminal.
        {false, {"|Wersja modułu : G8v\x1b[2J\a\r\n", "."}, "Wersja modułu : G8v\\x1B[2J\\x07\n"},
        {true, {"|Wersja modułu : G8v\x1b[2J\a\r\n", "."}, "Wersja modułu : G8v\\x1B[2J\\x07\n"},
        // The bar shows the block and the step under way.
        {true,
         {"|" + kContact + Block(1) + Block(2) + "Zapis bloku 3...\r\nWeryfikacja ..."},
         "Otwarcie portu COM1\nNawiązywanie połączenia...\n"
         "[##########..........] 2/4  Zapis bloku 3... Weryfikacja ..."},
        // Retries stay in view and the full bar ends the blocks.
        {true,
         {"|" + kSendWithRetry, "."},
         "Otwarcie portu COM1\nNawiązywanie połączenia...\n"
         "Zapis bloku 2... Weryfikacja ...Ponowny zapis.\n[####################] 4/4\n"
         "Ładowanie konfiguracji zakończone.\nRestart modułu z nową konfiguracją...OK.\n"},
        // A failure leaves the bar where it stopped.
        {true,
         {"|" + kContact + Block(1) + Block(2, false) + Block(2, false), "=Błąd weryfikacji 2", ".",
          "=grt8: sending failed"},
         "Otwarcie portu COM1\nNawiązywanie połączenia...\n"
         "Zapis bloku 2... Weryfikacja ...Ponowny zapis.\n"
         "Zapis bloku 2... Weryfikacja ...Ponowny zapis.\nBłąd weryfikacji 2\n"
         "[#####...............] 1/4\ngrt8: sending failed\n"},
        // A read fills the bar before its last line.
        {true,
         {"|" + kContact + "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\nOdczyt bloku 3...\r\n"},
         "Otwarcie portu COM1\nNawiązywanie połączenia...\n"
         "[##########..........] 2/4  Odczyt bloku 3..."},
        {true,
         {"|" + kContact + "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\nOdczyt bloku 3...\r\n" +
              "Odczyt bloku 4...\r\nOdczyt konfiguracji zakończony.\r\n",
          "."},
         "Otwarcie portu COM1\nNawiązywanie połączenia...\n[####################] 4/4\n"
         "Odczyt konfiguracji zakończony.\n"},
    };
    for (const LogCase& logCase : cases) {
        std::ostringstream out;
        ProgressLog log(out, logCase.terminal);
        Play(log, logCase.steps);
        EXPECT_EQ(Visible(out.str(), logCase.terminal), logCase.shown) << logCase.steps[0];
    }
}

} // namespace
