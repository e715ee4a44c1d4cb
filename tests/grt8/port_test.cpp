#include "tests/core/scratch_serial_devices.h"
#include "tools/grt8/grt8_tool.h"
#include "tools/grt8/port_argument.h"
#include "tools/grt8/port_diagnosis.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Explain(const ModulePort& port, PortOpenReason reason,
                    const std::string& systemText = "") {
    return ExplainPortOpenFailure(port, {reason, systemText});
}

// GRT8_COMn as a test needs it, put back as it was afterwards.
class ComMapping {
public:
    ComMapping(std::string variable, const char* value) : m_variable(std::move(variable)) {
        if (const char* old = std::getenv(m_variable.c_str())) {
            m_previous = old;
        }
        Set(value);
    }
    ~ComMapping() { Set(m_previous ? m_previous->c_str() : nullptr); }
    ComMapping(const ComMapping&) = delete;
    ComMapping& operator=(const ComMapping&) = delete;

private:
    void Set(const char* value) {
        if (value != nullptr) {
            setenv(m_variable.c_str(), value, 1);
        } else {
            unsetenv(m_variable.c_str());
        }
    }

    std::string m_variable;
    std::optional<std::string> m_previous;
};

TEST(PortArgumentTest, TheConsolesComPortsOrADevicePath) {
    for (char digit = '1'; digit <= '9'; ++digit) {
        const PortArgument argument = ParsePortArgument(std::string("COM") + digit);
        ASSERT_TRUE(argument.port.has_value());
        EXPECT_EQ(argument.port->comDigit, digit);
        EXPECT_TRUE(argument.port->devicePath.empty());
    }
    EXPECT_EQ(PortName(*ParsePortArgument("com3").port), "COM3");
    EXPECT_EQ(ParsePortArgument("/dev/ttyUSB0").port->devicePath, "/dev/ttyUSB0");
    EXPECT_EQ(PortName(*ParsePortArgument("/dev/ttyUSB0").port), "/dev/ttyUSB0");
    EXPECT_EQ(ParsePortArgument("ttyS0").port->devicePath, "ttyS0");
}

TEST(PortArgumentTest, ComPortsTheConsoleDoesNotHaveAreRefused) {
    for (const char* text : {"COM0", "COM10", "COMx", "COM", "com"}) {
        const PortArgument argument = ParsePortArgument(text);
        EXPECT_FALSE(argument.port.has_value()) << text;
        EXPECT_TRUE(Contains(argument.error, "COM1 to COM9")) << argument.error;
        EXPECT_TRUE(Contains(argument.error, "device path")) << argument.error;
    }
    EXPECT_FALSE(ParsePortArgument("").port.has_value());
}

TEST(PortArgumentTest, ComPortsMapAsTheConsoleMapsThem) {
    ScratchSerialDevices scratch;
    const std::string adapter = scratch.AddNode("ttyUSB0");
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    EXPECT_EQ(PortDevicePath(ModulePort::Com('1')), adapter);
    EXPECT_EQ(PortDevicePath(ModulePort::Com('4')), "");
    const ComMapping mapped("GRT8_COM4", "/dev/ttyUSB7");
    EXPECT_EQ(PortDevicePath(ModulePort::Com('4')), "/dev/ttyUSB7");
    EXPECT_EQ(PortDevicePath(ModulePort::Device("/dev/ttyACM0")), "/dev/ttyACM0");
}

// The first adapter is COM1, a port a variable names says so, and what an adapter says of
// itself cannot drive the terminal.
TEST(PortsCommandTest, ListsWhatEachComPortOpens) {
    ScratchSerialDevices scratch;
    const std::string adapter = scratch.AddNode("ttyUSB0");
    const std::string stableName =
        scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    scratch.AddUsbTty("ttyUSB0", "FTDI", "FT232R\x1b[2J USB UART", "A10K3XYZ");
    const ComMapping mapped("GRT8_COM2", "/dev/ttyACM5");

    std::ostringstream text;
    std::ostringstream errors;
    EXPECT_EQ(RunTool(std::vector<std::string>{"ports"}, {text, errors}), 0) << errors.str();
    std::string expected = "COM1: " + adapter + "\n  stable name: " + stableName +
                           "\n  adapter: FTDI FT232R\\x1B[2J USB UART, serial number A10K3XYZ\n"
                           "COM2: /dev/ttyACM5 (from GRT8_COM2)\n";
    for (char digit = '3'; digit <= '9'; ++digit) {
        expected += std::string("COM") + digit + ": no device\n";
    }
    EXPECT_EQ(text.str(), expected);

    std::ostringstream json;
    EXPECT_EQ(RunTool(std::vector<std::string>{"ports", "--json"}, {json, errors}), 0);
    const nlohmann::json ports = nlohmann::json::parse(json.str())["ports"];
    ASSERT_EQ(ports.size(), 9u);
    EXPECT_EQ(ports[0]["port"], "COM1");
    EXPECT_EQ(ports[0]["device"], adapter);
    EXPECT_EQ(ports[0]["stableName"], stableName);
    EXPECT_EQ(ports[0]["product"], "FT232R\x1b[2J USB UART");
    EXPECT_EQ(ports[0]["serialNumber"], "A10K3XYZ");
    EXPECT_TRUE(ports[0]["variable"].is_null());
    EXPECT_EQ(ports[1]["variable"], "GRT8_COM2");
    EXPECT_TRUE(ports[1]["vendor"].is_null());
    EXPECT_TRUE(ports[8]["device"].is_null());
}

TEST(PortDiagnosisTest, AMissingDeviceIsNamedWithWhatToCheck) {
    const ScratchSerialDevices scratch;
    const std::string nothing = Explain(ModulePort::Com('3'), PortOpenReason::NoSuchDevice);
    EXPECT_TRUE(Contains(nothing, "COM3 has no device behind it")) << nothing;
    EXPECT_TRUE(Contains(nothing, "grt8 ports")) << nothing;
    EXPECT_TRUE(Contains(nothing, "GRT8_COM3=/dev/ttyUSB0")) << nothing;

    const ComMapping mapped("GRT8_COM3", "/dev/ttyUSB7");
    const std::string com = Explain(ModulePort::Com('3'), PortOpenReason::NoSuchDevice);
    EXPECT_TRUE(Contains(com, "COM3 (/dev/ttyUSB7) does not exist")) << com;

    const std::string device =
        Explain(ModulePort::Device("/dev/ttyUSB9"), PortOpenReason::NoSuchDevice);
    EXPECT_TRUE(Contains(device, "/dev/ttyUSB9 does not exist")) << device;
    EXPECT_TRUE(Contains(device, "plugged in")) << device;

    const std::string relative = Explain(ModulePort::Device("null"), PortOpenReason::NoSuchDevice);
    EXPECT_TRUE(Contains(relative, "Did you mean /dev/null?")) << relative;
}

TEST(PortDiagnosisTest, PermissionDeniedPointsToTheSerialGroup) {
    const std::string text =
        Explain(ModulePort::Device("/dev/ttyUSB0"), PortOpenReason::AccessDenied);
    EXPECT_TRUE(Contains(text, "permission denied for /dev/ttyUSB0")) << text;
    EXPECT_TRUE(Contains(text, "sudo adduser $USER dialout")) << text;
    EXPECT_TRUE(Contains(text, "log out and in again")) << text;
}

TEST(PortDiagnosisTest, OtherFailuresSayWhatTheyAre) {
    const ModulePort port = ModulePort::Device("/dev/ttyUSB0");
    EXPECT_TRUE(Contains(Explain(port, PortOpenReason::InUse), "in use by another program"));
    EXPECT_TRUE(Contains(Explain(port, PortOpenReason::NotASerialPort), "is not a serial port"));
    EXPECT_TRUE(Contains(Explain(port, PortOpenReason::Other, "Input/output error"),
                         "cannot open /dev/ttyUSB0: Input/output error."));
    EXPECT_TRUE(Contains(Explain(ModulePort::Device("/dev/null"), PortOpenReason::NoSuchDevice),
                         "/dev/null exists but no device answers behind it"));
}

} // namespace
