#include "tools/grt8/console_session.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// Output is the same bytes as on every other system: the texts already hold their "\r\n"s, and
// the C runtime's text mode would turn them into "\r\r\n". A console takes the UTF-8 texts once
// its output code page is UTF-8, and draws the progress bar with the same control sequences as
// a terminal once it processes them (Windows 10 and later); a console that cannot gets the plain
// log lines instead of a bar it would print as garbage.
ConsoleSession::ConsoleSession() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
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
