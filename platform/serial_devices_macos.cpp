#include "platform/serial_devices.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

// The call-out devices, /dev/cu.*, open without waiting for carrier; each USB adapter gets one
// named after its serial number or its location, which stays the same when it is plugged in
// again.
std::vector<SerialDevice> FindSerialDevices(const SerialDeviceRoots& roots) {
    std::vector<std::string> paths;
    std::error_code error;
    for (fs::directory_iterator it(roots.dev, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().starts_with("cu.")) {
            paths.push_back(it->path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<SerialDevice> devices;
    for (const std::string& path : paths) {
        devices.push_back({path, {}, {}, {}, {}});
    }
    return devices;
}
