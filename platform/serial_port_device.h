#pragma once

#include "platform/serial_port.h"

#include <string>

// Opens a serial device for reading and writing, exclusively: a device that another program
// holds fails to open. `name` is either a COM port name ("COM1" to "COM9") or a device path.
SerialPortOpenResult OpenSerialPortDevice(const std::string& name);

// The device a name refers to. On Windows that is the name itself; elsewhere "COMn" maps to the
// environment variable GRT8_COMn when it is set, else to /dev/ttyS<n-1>, and any other name is
// taken as a device path.
std::string SerialPortDevicePath(const std::string& name);
