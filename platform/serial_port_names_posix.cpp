#include "platform/serial_port_device.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kComPorts = 9;

bool IsComPortName(const std::string& name) {
    return name.size() == 4 && name.compare(0, 3, "COM") == 0 && name[3] >= '1' && name[3] <= '9';
}

const char* EnvironmentMapping(const ComPortAssignment& port) {
    const char* mapped = std::getenv(port.Variable().c_str());
    return mapped != nullptr && *mapped != '\0' ? mapped : nullptr;
}

// A device named by a variable keeps what discovery knows of it, if discovery found it too.
SerialDevice Described(const std::string& path, const std::vector<SerialDevice>& found) {
    const auto known = std::find_if(found.begin(), found.end(), [&](const SerialDevice& device) {
        return device.path == path || device.stableName == path;
    });
    return known != found.end() ? *known : SerialDevice{path, {}, {}, {}, {}};
}

// The n-th device stays COMn whatever the variables name, so an adapter keeps its number.
ComPortAssignment Assign(char digit, const std::vector<SerialDevice>& found) {
    ComPortAssignment port{digit, {}, false, {}};
    const auto index = static_cast<std::size_t>(digit - '1');
    if (const char* mapped = EnvironmentMapping(port)) {
        port = {digit, mapped, true, Described(mapped, found)};
    } else if (index < found.size()) {
        port = {digit, found[index].path, false, found[index]};
    }
    return port;
}

} // namespace

std::vector<ComPortAssignment> AssignComPorts() {
    const std::vector<SerialDevice> found = FindSerialDevices(ActiveSerialDeviceRoots());
    std::vector<ComPortAssignment> ports;
    for (int n = 0; n < kComPorts; ++n) {
        ports.push_back(Assign(static_cast<char>('1' + n), found));
    }
    return ports;
}

std::string SerialPortDevicePath(const std::string& name) {
    if (!IsComPortName(name)) {
        return name;
    }
    return AssignComPorts()[static_cast<std::size_t>(name[3] - '1')].devicePath;
}
