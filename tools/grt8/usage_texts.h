#pragma once

#include "tools/grt8/arguments.h"

#include <string_view>

// The prose of the help; the usage lines and the lists of options and commands are made by the
// command-line parser from the options themselves.
inline constexpr std::string_view kToolDescription =
    "Reports, comparisons and module operations for GRT-8 configuration files\n"
    "(*.gr8), from a terminal or a script.";

extern const std::string_view kToolFooter;
extern const std::string_view kJsonOption;

// The line that lists the command in the tool's help and heads its own.
std::string_view CommandSummary(Command command);

// What follows the command's options in its help.
std::string_view CommandFooter(Command command);
