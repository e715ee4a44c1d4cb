#include "tools/grt8/ports_command.h"

#include "tools/grt8/escaping.h"
#include "tools/grt8/exit_status.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

// Maker and product as the adapter gives them, then its serial number.
std::string AdapterDescription(const SerialDevice& device) {
    std::string text = device.vendor;
    if (!device.product.empty()) {
        text += (text.empty() ? "" : " ") + device.product;
    }
    if (!device.serialNumber.empty()) {
        text += (text.empty() ? "" : ", ") + std::string("serial number ") + device.serialNumber;
    }
    return text;
}

// What the adapter says comes from the adapter itself, so it is printed as text, never as
// something the terminal would act on.
std::string PortParagraph(const ComPortAssignment& port) {
    if (port.devicePath.empty()) {
        return port.Name() + ": no device\n";
    }
    std::string text = port.Name() + ": " + WithoutControlCharacters(port.devicePath);
    text += port.fromEnvironment ? " (from " + port.Variable() + ")\n" : "\n";
    if (!port.device.stableName.empty() && port.device.stableName != port.devicePath) {
        text += "  stable name: " + WithoutControlCharacters(port.device.stableName) + "\n";
    }
    if (const std::string adapter = AdapterDescription(port.device); !adapter.empty()) {
        text += "  adapter: " + WithoutControlCharacters(adapter) + "\n";
    }
    return text;
}

Json TextOrNull(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

Json PortJson(const ComPortAssignment& port) {
    return {{"port", port.Name()},
            {"device", TextOrNull(port.devicePath)},
            {"stableName", TextOrNull(port.device.stableName)},
            {"vendor", TextOrNull(port.device.vendor)},
            {"product", TextOrNull(port.device.product)},
            {"serialNumber", TextOrNull(port.device.serialNumber)},
            {"variable", port.fromEnvironment ? Json(port.Variable()) : Json(nullptr)}};
}

} // namespace

std::string FormatPortsText(const std::vector<ComPortAssignment>& ports) {
    std::string text;
    for (const ComPortAssignment& port : ports) {
        text += PortParagraph(port);
    }
    return text;
}

std::string FormatPortsJson(const std::vector<ComPortAssignment>& ports) {
    Json list = Json::array();
    for (const ComPortAssignment& port : ports) {
        list.push_back(PortJson(port));
    }
    // A name that is not UTF-8 gets U+FFFD, so the output stays valid JSON.
    return Json{{"ports", list}}.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

int RunPorts(const Invocation& invocation, const ConsoleStreams& streams) {
    const std::vector<ComPortAssignment> ports = AssignComPorts();
    streams.out << (invocation.json ? FormatPortsJson(ports) : FormatPortsText(ports));
    return kExitSuccess;
}
