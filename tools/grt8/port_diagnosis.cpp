#include "tools/grt8/port_diagnosis.h"

#include "tools/grt8/escaping.h"
#include "tools/grt8/port_argument.h"

#include <filesystem>

namespace {

// A device node left behind by an adapter that was unplugged opens like a missing one.
std::string NoSuchDevice(const ModulePort& port) {
    std::error_code error;
    if (!std::filesystem::exists(PortDevicePath(port), error)) {
        return MissingDeviceAdvice(port);
    }
    return DeviceDescription(port) +
           " exists but no device answers behind it: the adapter may have been unplugged. "
           "Plug it in again and try again.";
}

} // namespace

// A COM port is named with the device it maps to, where that is another name.
std::string DeviceDescription(const ModulePort& port) {
    const std::string device = WithoutControlCharacters(PortDevicePath(port));
    const std::string name = PortName(port);
    return port.devicePath.empty() && device != name ? name + " (" + device + ")" : device;
}

std::string ExplainPortOpenFailure(const ModulePort& port, const PortOpenError& error) {
    switch (error.reason) {
    case PortOpenReason::NoSuchDevice:
        return NoSuchDevice(port);
    case PortOpenReason::AccessDenied:
        return AccessDeniedAdvice(port);
    case PortOpenReason::InUse:
        return DeviceDescription(port) +
               " is in use by another program (the console, a terminal program or another "
               "grt8). Close it and try again.";
    case PortOpenReason::NotASerialPort:
        return DeviceDescription(port) + " is not a serial port.";
    case PortOpenReason::Other:
        break;
    }
    return "cannot open " + DeviceDescription(port) + ": " + error.systemText + ".";
}
