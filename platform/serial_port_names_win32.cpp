#include "platform/serial_port_device.h"

// Windows itself names the serial ports COM1 to COM9 and opens devices by their own names.
std::vector<ComPortAssignment> AssignComPorts() {
    std::vector<ComPortAssignment> ports;
    for (char digit = '1'; digit <= '9'; ++digit) {
        ComPortAssignment port{digit, {}, false, {}};
        port.devicePath = port.device.path = port.Name();
        ports.push_back(port);
    }
    return ports;
}

std::string SerialPortDevicePath(const std::string& name) {
    return name;
}
