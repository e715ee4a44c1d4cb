#include "tools/grt8/port_argument.h"

#include "platform/serial_port_device.h"
#include "tools/grt8/port_naming.h"

#include <cctype>

namespace {

bool StartsWithCom(std::string_view text) {
    if (text.size() < 3) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) {
            return false;
        }
    }
    return true;
}

bool IsDigitOneToNine(char character) {
    return character >= '1' && character <= '9';
}

} // namespace

PortArgument ParsePortArgument(std::string_view text) {
    if (text.empty()) {
        return {std::nullopt, "no port given: use COM1 to COM9 or a device path"};
    }
    if (!StartsWithCom(text)) {
        return {ModulePort::Device(std::string(text)), {}};
    }
    if (text.size() == 4 && IsDigitOneToNine(text[3])) {
        return {ModulePort::Com(text[3]), {}};
    }
    return {std::nullopt, "'" + std::string(text) +
                              "' is not one of the console's ports COM1 to COM9; for another "
                              "port give its device path, such as " +
                              std::string(kDevicePathExample)};
}

std::string PortDevicePath(const ModulePort& port) {
    return SerialPortDevicePath(PortName(port));
}
