#pragma once

#include "operations/module_port.h"

#include <optional>
#include <string>
#include <string_view>

struct PortArgument {
    std::optional<ModulePort> port;
    // Why the text names no port.
    std::string error;
};

// "COM1" to "COM9" (in any case) are the console's ports; anything else is a device path.
PortArgument ParsePortArgument(std::string_view text);

// The device the port opens, after the console's mapping of COMn.
std::string PortDevicePath(const ModulePort& port);
