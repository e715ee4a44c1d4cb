#pragma once

#include "tools/grt8/console_streams.h"

#include <span>
#include <string>

// grt8 with the arguments after the program's name; returns the exit status.
int RunTool(std::span<const std::string> arguments, const ConsoleStreams& streams);
