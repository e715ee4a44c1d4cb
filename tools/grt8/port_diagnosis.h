#pragma once

#include "operations/module_port.h"

#include <string>

// Why the port could not be opened and what to do about it, from the error number the system
// gave when it refused the device.
std::string ExplainPortOpenFailure(const ModulePort& port, int systemError);
