#include "tools/grt8/console_session.h"
#include "tools/grt8/exit_status.h"
#include "tools/grt8/grt8_tool.h"

#include <exception>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    const ConsoleSession console;
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const ConsoleStreams streams{std::cout, std::cerr, console.ErrIsTerminal()};
        return RunTool(arguments, streams);
    } catch (const std::exception& error) {
        std::cerr << "grt8: " << error.what() << "\n";
        return kExitRefused;
    }
}
