#include "tools/grt8/console_streams.h"

#include "tools/grt8/exit_status.h"

int Refuse(const ConsoleStreams& streams, const std::string& reason) {
    streams.err << "grt8: " << reason << "\n";
    return kExitRefused;
}
