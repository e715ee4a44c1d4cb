#include "tools/grt8/port_diagnosis.h"

#include "tools/grt8/port_argument.h"

std::string MissingDeviceAdvice(const ModulePort& port) {
    return DeviceDescription(port) +
           " does not exist. Check that the module's serial adapter is plugged in and see its "
           "number in Device Manager, under Ports (COM & LPT). A port above COM9 is given as "
           "\\\\.\\COM12.";
}

// Windows refuses a COM port that another program holds as access denied; the port layer
// reports that as in use, so this is for a device that a policy keeps from this user.
std::string AccessDeniedAdvice(const ModulePort& port) {
    return "access to " + DeviceDescription(port) +
           " is denied. Ask the computer's administrator for the right to use serial ports.";
}
