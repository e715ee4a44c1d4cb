#pragma once

#include "platform/serial_port.h"

#include <memory>

// The port of the module link: the last one opened successfully, or empty after a failed open.
// Closing the port leaves it here, closed.
extern std::unique_ptr<SerialPort> g_hPort;

// g_hPort, or when it is empty a port that writes nothing and reads nothing, so a transfer
// started without an open port fails like one on a dead line.
SerialPort& CurrentPort();
