#pragma once

#include "platform/serial_port_device.h"
#include "tools/grt8/arguments.h"
#include "tools/grt8/console_streams.h"

#include <string>
#include <vector>

// What COM1 to COM9 open, a port a paragraph: the device, its stable name, what the adapter
// says it is and whether a variable named it.
std::string FormatPortsText(const std::vector<ComPortAssignment>& ports);

// The same as one JSON object: {"ports": [{"port", "device", "stableName", "vendor",
// "product", "serialNumber", "variable"}]}, null for what is not known.
std::string FormatPortsJson(const std::vector<ComPortAssignment>& ports);

// grt8 ports [--json]; returns the exit status.
int RunPorts(const Invocation& invocation, const ConsoleStreams& streams);
