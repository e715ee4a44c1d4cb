#pragma once

// The terminal grt8 writes to, set up for its output while the session lives and put back as it
// was afterwards.
class ConsoleSession {
public:
    ConsoleSession();
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    // Whether standard error is a terminal that can redraw a progress bar in place.
    bool ErrIsTerminal() const { return m_errIsTerminal; }

private:
    bool m_errIsTerminal = false;
    // What the session changed and puts back: a console's output code page and mode.
    unsigned m_previousCodePage = 0;
    unsigned long m_previousErrMode = 0;
};
