#pragma once

#include <ostream>
#include <string>

// Where a command writes: its result to `out`, progress, messages and errors to `err`.
struct ConsoleStreams {
    std::ostream& out;
    std::ostream& err;
    // A progress bar is drawn only for a person watching; logs and pipes get plain lines.
    bool errIsTerminal = false;
};

// Says why the command cannot go on; returns the exit status for that.
int Refuse(const ConsoleStreams& streams, const std::string& reason);
