#pragma once

#include "tools/grt8/arguments.h"

#include <optional>
#include <string_view>

// The help of the tool (no command) or of one command.
std::string_view UsageText(std::optional<Command> command);
