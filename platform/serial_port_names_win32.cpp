#include "platform/serial_port_device.h"

// Windows opens "COM1" to "COM9" and device paths by their own names.
std::string SerialPortDevicePath(const std::string& name) {
    return name;
}
