#include "tests/fault_matrix/expected_logs.h"

namespace {

constexpr int kSendAttempts = 4;

} // namespace

std::string OpenFailureLines() {
    return "Otwarcie portu COM4\r\nBłąd otwarcia portu !\r\n";
}

std::string ContactLines() {
    return "Otwarcie portu COM4\r\nNawiązywanie połączenia...\r\n";
}

std::string NoContactLines() {
    return ContactLines() + "Brak połączenia z modułem.\r\n";
}

std::string VersionLines(const std::string& version) {
    return ContactLines() + "Wersja modułu : " + version + "\r\n";
}

std::string ReadLinesThrough(int lastBlock) {
    std::string lines = ContactLines();
    for (int block = 1; block <= lastBlock; ++block) {
        lines += "Odczyt bloku " + std::to_string(block) + "...\r\n";
    }
    return lines;
}

std::string CompleteReadLines() {
    return ReadLinesThrough(4) + "Odczyt konfiguracji zakończony.\r\n";
}

std::string SendBlockLines(int block, int failedAttempts) {
    const std::string heading = "Zapis bloku " + std::to_string(block) + "...\r\n";
    std::string lines;
    for (int attempt = 0; attempt < failedAttempts; ++attempt) {
        lines += heading + "Weryfikacja ...Ponowny zapis.\r\n";
    }
    return failedAttempts == kSendAttempts ? lines : lines + heading + "Weryfikacja ...OK.\r\n";
}

std::string SendClosingLines() {
    return "Ładowanie konfiguracji zakończone.\r\nRestart modułu z nową konfiguracją...OK.\r\n";
}
