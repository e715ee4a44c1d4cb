#include "platform/serial_port_device.h"

#include <cstdlib>

namespace {

bool IsComPortName(const std::string& name) {
    return name.size() == 4 && name.compare(0, 3, "COM") == 0 && name[3] >= '1' && name[3] <= '9';
}

} // namespace

std::string SerialPortDevicePath(const std::string& name) {
    if (!IsComPortName(name)) {
        return name;
    }
    const std::string variable = "GRT8_" + name;
    if (const char* mapped = std::getenv(variable.c_str()); mapped != nullptr && *mapped != '\0') {
        return mapped;
    }
    const char index = static_cast<char>(name[3] - 1);
    return std::string("/dev/ttyS") + index;
}
