#pragma once

#include "platform/serial_devices.h"
#include "platform/serial_port.h"

#include <string>
#include <vector>

// Opens a serial device for reading and writing, exclusively: a device that another program
// holds fails to open. `name` is either a COM port name ("COM1" to "COM9") or a device path.
SerialPortOpenResult OpenSerialPortDevice(const std::string& name);

// What one of the console's ports COM1 to COM9 opens at this moment.
struct ComPortAssignment {
    // "COM1" to "COM9".
    std::string Name() const { return std::string("COM") + digit; }
    // The environment variable that names another device for the port: "GRT8_COM1".
    std::string Variable() const { return "GRT8_" + Name(); }

    char digit = '1';
    // Empty when no device is behind the port: opening it then fails.
    std::string devicePath;
    // Named by the environment variable GRT8_COMn rather than found.
    bool fromEnvironment = false;
    // What is known of the device; only its path when it was not among those found.
    SerialDevice device;
};

// COM1 to COM9, in order. On Windows COMn is the port COMn. Elsewhere COMn is the device named
// by the environment variable GRT8_COMn when it is set, else the n-th serial device present
// (FindSerialDevices under ActiveSerialDeviceRoots), else nothing.
std::vector<ComPortAssignment> AssignComPorts();

// The device a name refers to: for "COM1" to "COM9" the device assigned to that port now (empty
// when there is none); any other name is taken as a device path.
std::string SerialPortDevicePath(const std::string& name);
