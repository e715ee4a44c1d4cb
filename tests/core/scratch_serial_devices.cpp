#include "tests/core/scratch_serial_devices.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
}

} // namespace

ScratchSerialDevices::ScratchSerialDevices()
    : m_roots{m_folder / "dev", m_folder / "sys"}, m_previousRoots(UseSerialDeviceRoots(m_roots)) {
    fs::create_directories(m_roots.dev);
    fs::create_directories(m_roots.sys / "class/tty");
    for (char digit = '1'; digit <= '9'; ++digit) {
        const std::string variable = std::string("GRT8_COM") + digit;
        const char* value = std::getenv(variable.c_str());
        m_previousVariables.emplace_back(variable, value ? value : "");
        unsetenv(variable.c_str());
    }
}

ScratchSerialDevices::~ScratchSerialDevices() {
    UseSerialDeviceRoots(m_previousRoots);
    for (const auto& [variable, value] : m_previousVariables) {
        value.empty() ? unsetenv(variable.c_str()) : setenv(variable.c_str(), value.c_str(), 1);
    }
}

std::string ScratchSerialDevices::AddNode(const std::string& name, const std::string& target) {
    const fs::path node = m_roots.dev / name;
    if (target.empty()) {
        WriteText(node, "");
    } else {
        fs::create_symlink(target, node);
    }
    return node.string();
}

void ScratchSerialDevices::RemoveNode(const std::string& name) {
    fs::remove(m_roots.dev / name);
}

std::string ScratchSerialDevices::AddStableName(const std::string& stableName,
                                                const std::string& node) {
    const fs::path link = m_roots.dev / "serial/by-id" / stableName;
    fs::create_directories(link.parent_path());
    fs::create_symlink(fs::path("../..") / node, link);
    return link.string();
}

// As usb-serial lays it out: the tty's device is a port of the interface of the USB device.
void ScratchSerialDevices::AddUsbTty(const std::string& name, const std::string& vendor,
                                     const std::string& product, const std::string& serialNumber) {
    const fs::path usbDevice = m_roots.sys / "devices/usb1" / ("1-" + name);
    const fs::path port = usbDevice / "1-1:1.0" / name;
    fs::create_directories(m_roots.sys / "class/tty" / name);
    fs::create_directories(port / "driver");
    fs::create_directory_symlink(port, m_roots.sys / "class/tty" / name / "device");
    WriteText(usbDevice / "idVendor", "0403");
    WriteText(usbDevice / "manufacturer", vendor);
    WriteText(usbDevice / "product", product);
    WriteText(usbDevice / "serial", serialNumber);
}

void ScratchSerialDevices::AddBuiltInTty(const std::string& name, const std::string& type) {
    AddNode(name);
    const fs::path ttyFolder = m_roots.sys / "class/tty" / name;
    const fs::path device = m_roots.sys / "devices/platform/serial8250" / name;
    fs::create_directories(device / "driver");
    fs::create_directories(ttyFolder);
    fs::create_directory_symlink(device, ttyFolder / "device");
    if (!type.empty()) {
        WriteText(ttyFolder / "type", type);
    }
}
