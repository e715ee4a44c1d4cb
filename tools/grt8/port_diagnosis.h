#pragma once

#include "operations/module_port.h"
#include "platform/serial_port.h"

#include <string>

// Why the port could not be opened and what to do about it.
std::string ExplainPortOpenFailure(const ModulePort& port, const PortOpenError& error);

// The advice that depends on the operating system, one file of it per system.
// For a device that is not there at all.
std::string MissingDeviceAdvice(const ModulePort& port);
// For a device the user may not open.
std::string AccessDeniedAdvice(const ModulePort& port);

// "COM3 (/dev/ttyS2)" or the device path, as the diagnosis names the port.
std::string DeviceDescription(const ModulePort& port);
