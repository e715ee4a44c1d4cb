#pragma once

#include "platform/serial_port_device.h"

#include <string>

// What the Port COM menu shows beside a port's item: the device the port opens and what the
// adapter calls itself, such as "/dev/ttyUSB0 (FT232R USB UART)". Nothing when the port opens
// nothing, or opens a device of its own name, as COMn does on Windows.
std::string ComPortHint(const ComPortAssignment& port);
