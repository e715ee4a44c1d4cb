#include "app/com_port_hint.h"

std::string ComPortHint(const ComPortAssignment& port) {
    if (port.devicePath.empty() || port.devicePath == port.Name()) {
        return "";
    }
    const std::string& name =
        port.device.product.empty() ? port.device.vendor : port.device.product;
    return name.empty() ? port.devicePath : port.devicePath + " (" + name + ")";
}
