#include "platform/serial_devices.h"

#include <utility>

namespace {

SerialDeviceRoots& Active() {
    static SerialDeviceRoots roots;
    return roots;
}

} // namespace

const SerialDeviceRoots& ActiveSerialDeviceRoots() {
    return Active();
}

SerialDeviceRoots UseSerialDeviceRoots(const SerialDeviceRoots& roots) {
    return std::exchange(Active(), roots);
}
