#pragma once

#include <string>
#include <utility>

// The serial port a module operation talks through: COMn as the console's menu offers it, or a
// device named directly. The log and the messages name the port the way it was given.
struct ModulePort {
    static ModulePort Com(char digit) { return {digit, {}}; }
    static ModulePort Device(std::string path) { return {'1', std::move(path)}; }

    char comDigit = '1';
    // When set, the port is this device and comDigit plays no part.
    std::string devicePath;
};

// How the log and the messages name the port: "COM3" or the device path.
inline std::string PortName(const ModulePort& port) {
    return port.devicePath.empty() ? std::string("COM") + port.comDigit : port.devicePath;
}
