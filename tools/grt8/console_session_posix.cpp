#include "tools/grt8/console_session.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

ConsoleSession::ConsoleSession() {
    const char* terminal = std::getenv("TERM");
    m_errIsTerminal =
        isatty(STDERR_FILENO) != 0 && (terminal == nullptr || std::strcmp(terminal, "dumb") != 0);
}

ConsoleSession::~ConsoleSession() = default;
