#include "platform/serial_devices.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// udev names every USB and CDC-ACM adapter here after its maker, product and serial number.
constexpr char kStableNamesFolder[] = "serial/by-id";
// A USB adapter's own description sits on the USB device, one or two folders above its tty.
constexpr int kLevelsUpToUsbDevice = 3;

std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string value;
    std::getline(in, value);
    while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back())) != 0) {
        value.pop_back();
    }
    return value;
}

std::optional<fs::path> UsbDeviceFolder(const fs::path& ttyFolder) {
    std::error_code error;
    fs::path folder = fs::canonical(ttyFolder / "device", error);
    for (int level = 0; !error && level < kLevelsUpToUsbDevice; ++level) {
        if (fs::exists(folder / "idVendor", error)) {
            return folder;
        }
        folder = folder.parent_path();
    }
    return std::nullopt;
}

void DescribeFromDeviceTree(SerialDevice& device, const fs::path& sysRoot) {
    const fs::path ttyFolder = sysRoot / "class/tty" / fs::path(device.path).filename();
    if (const std::optional<fs::path> usb = UsbDeviceFolder(ttyFolder)) {
        device.vendor = ReadAttribute(*usb / "manufacturer");
        device.product = ReadAttribute(*usb / "product");
        device.serialNumber = ReadAttribute(*usb / "serial");
    }
}

// The node a stable name leads to, or nothing when the link points nowhere: udev leaves such
// links behind for a moment when an adapter is pulled out.
std::optional<fs::path> LinkedDevice(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    if (error) {
        return std::nullopt;
    }
    const fs::path device = (link.parent_path() / target).lexically_normal();
    if (!fs::exists(device, error)) {
        return std::nullopt;
    }
    return device;
}

std::vector<fs::path> SortedEntries(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<SerialDevice> Adapters(const SerialDeviceRoots& roots) {
    std::vector<SerialDevice> adapters;
    for (const fs::path& link : SortedEntries(roots.dev / kStableNamesFolder)) {
        if (const std::optional<fs::path> device = LinkedDevice(link)) {
            adapters.push_back({device->string(), link.string(), {}, {}, {}});
        }
    }
    return adapters;
}

// The kernel offers ttyS0 to ttyS31 whether or not a UART answers behind them, and most laptops
// have none. Their "type" is the port type TIOCGSERIAL gives, read without opening the device,
// which would need the user to be allowed to open it.
bool HasUartBehind(const fs::path& ttyFolder) {
    std::error_code error;
    if (!fs::exists(ttyFolder / "device", error)) {
        return false;
    }
    if (fs::exists(ttyFolder / "type", error)) {
        const std::string type = ReadAttribute(ttyFolder / "type");
        return !type.empty() && type != "0";
    }
    return fs::exists(ttyFolder / "device/driver", error);
}

// ttyS2 before ttyS10: by the name's letters, then by its number.
bool ComesBefore(const std::string& left, const std::string& right) {
    const auto split = [](const std::string& name) {
        const std::size_t digits = name.find_last_not_of("0123456789") + 1;
        return std::make_pair(name.substr(0, digits), name.size() - digits);
    };
    const auto [leftLetters, leftDigits] = split(left);
    const auto [rightLetters, rightDigits] = split(right);
    if (leftLetters != rightLetters) {
        return leftLetters < rightLetters;
    }
    return leftDigits != rightDigits ? leftDigits < rightDigits : left < right;
}

// The serial devices udev gave no stable name: the ports built into the computer, and USB
// adapters on a system without udev, which still come before the built-in ports.
std::vector<SerialDevice> UnnamedPorts(const SerialDeviceRoots& roots,
                                       const std::vector<SerialDevice>& adapters) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::path& ttyFolder : SortedEntries(roots.sys / "class/tty")) {
        const std::string name = ttyFolder.filename().string();
        const std::string path = (roots.dev / name).string();
        const bool listed =
            std::any_of(adapters.begin(), adapters.end(),
                        [&](const SerialDevice& device) { return device.path == path; });
        if (!listed && HasUartBehind(ttyFolder) && fs::exists(path, error)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), ComesBefore);
    std::stable_partition(names.begin(), names.end(), [&](const std::string& name) {
        return UsbDeviceFolder(roots.sys / "class/tty" / name).has_value();
    });
    std::vector<SerialDevice> ports;
    for (const std::string& name : names) {
        ports.push_back({(roots.dev / name).string(), {}, {}, {}, {}});
    }
    return ports;
}

} // namespace

std::vector<SerialDevice> FindSerialDevices(const SerialDeviceRoots& roots) {
    std::vector<SerialDevice> devices = Adapters(roots);
    const std::vector<SerialDevice> unnamed = UnnamedPorts(roots, devices);
    devices.insert(devices.end(), unnamed.begin(), unnamed.end());
    for (SerialDevice& device : devices) {
        DescribeFromDeviceTree(device, roots.sys);
    }
    return devices;
}
