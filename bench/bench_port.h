#pragma once

#include "operations/module_port.h"

#include <optional>

// The port a benchmark talks to the simulated module through: the one named on its command line,
// or, where the system allows, grt8-sim started for the run. Says why when there is none.
std::optional<ModulePort> BenchPort(int argc, char** argv);
