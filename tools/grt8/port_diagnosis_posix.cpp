#include "tools/grt8/port_diagnosis.h"

#include "tools/grt8/escaping.h"
#include "tools/grt8/port_argument.h"

#include <cstring>
#include <filesystem>
#include <grp.h>
#include <sys/stat.h>

namespace {

constexpr char kSerialGroup[] = "dialout";

// The group that owns the device, the one a user must join to open it.
std::string DeviceGroup(const std::string& devicePath) {
    struct stat status {};
    if (stat(devicePath.c_str(), &status) != 0) {
        return kSerialGroup;
    }
    const group* owner = getgrgid(status.st_gid);
    return owner != nullptr && std::strcmp(owner->gr_name, "root") != 0 ? owner->gr_name
                                                                        : kSerialGroup;
}

// "ttyUSB0" is an easy slip for "/dev/ttyUSB0".
std::string SuggestionUnderDev(const std::string& devicePath) {
    const std::filesystem::path path(devicePath);
    const std::filesystem::path underDev = "/dev" / path;
    std::error_code error;
    if (!path.is_relative() || !std::filesystem::exists(underDev, error)) {
        return "";
    }
    return "\nDid you mean " + WithoutControlCharacters(underDev.string()) + "?";
}

std::string OtherDeviceHint(const ModulePort& port) {
    const std::string variable = std::string("GRT8_COM") + port.comDigit;
    return "\nTo open another device as " + PortName(port) + ", set " + variable +
           ", for example " + variable + "=/dev/ttyUSB0, or give --port the device path.";
}

// No adapter or built-in port was found for the COM number.
std::string NothingBehind(const ModulePort& port) {
    return PortName(port) +
           " has no device behind it: fewer serial devices are present than its number. Check "
           "that the module's serial adapter is plugged in; 'grt8 ports' shows what each COM "
           "port opens." +
           OtherDeviceHint(port);
}

} // namespace

std::string MissingDeviceAdvice(const ModulePort& port) {
    if (port.devicePath.empty() && PortDevicePath(port).empty()) {
        return NothingBehind(port);
    }
    const std::string text =
        DeviceDescription(port) +
        " does not exist. Check that the module's serial adapter is plugged in and see which "
        "devices there are: ls /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*";
    if (!port.devicePath.empty()) {
        return text + SuggestionUnderDev(port.devicePath);
    }
    return text + OtherDeviceHint(port);
}

std::string AccessDeniedAdvice(const ModulePort& port) {
    const std::string group = DeviceGroup(PortDevicePath(port));
    return "permission denied for " + DeviceDescription(port) +
           ". Serial devices can be opened by the members of the group '" + group +
           "': join it with\n  sudo adduser $USER " + group + "\nthen log out and in again.";
}
