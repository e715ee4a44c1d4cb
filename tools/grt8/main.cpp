#include "tools/grt8/exit_status.h"
#include "tools/grt8/grt8_tool.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <unistd.h>
#include <vector>

namespace {

bool StandardErrorIsTerminal() {
    const char* terminal = std::getenv("TERM");
    return isatty(STDERR_FILENO) != 0 &&
           (terminal == nullptr || std::strcmp(terminal, "dumb") != 0);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const ConsoleStreams streams{std::cout, std::cerr, StandardErrorIsTerminal()};
        return RunTool(arguments, streams);
    } catch (const std::exception& error) {
        std::cerr << "grt8: " << error.what() << "\n";
        return kExitRefused;
    }
}
