#include "tools/grt8/console_session.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// More than any report grt8 writes, so a letter is never split between two writes.
constexpr std::size_t kStreamBufferBytes = 64 * 1024;

} // namespace

// Output is the same bytes as on every other system: the texts already hold their "\r\n"s, and
// the C runtime's text mode would turn them into "\r\r\n". A console takes the UTF-8 texts once
// its output code page is UTF-8, and draws the progress bar with the same control sequences as
// a terminal once it processes them (Windows 10 and later); a console that cannot gets the plain
// log lines instead of a bar it would print as garbage. Both streams are buffered, so that a
// console is handed whole texts: one written a byte at a time, as the C runtime writes an
// unbuffered stream, shows every letter of two or more bytes as a replacement character.
ConsoleSession::ConsoleSession() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::setvbuf(stdout, nullptr, _IOFBF, kStreamBufferBytes);
    std::setvbuf(stderr, nullptr, _IOFBF, kStreamBufferBytes);
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(err, &mode)) {
        return;
    }
    m_previousCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    m_previousErrMode = mode;
    m_errIsTerminal = SetConsoleMode(err, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

ConsoleSession::~ConsoleSession() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (m_previousCodePage != 0) {
        SetConsoleOutputCP(m_previousCodePage);
        SetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), m_previousErrMode);
    }
}
