#include "tools/grt8/port_argument.h"
#include "tools/grt8/port_diagnosis.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    const ComMapping unmapped("GRT8_COM4", nullptr);
    EXPECT_EQ(PortDevicePath(ModulePort::Com('4')), "/dev/ttyS3");
    const ComMapping mapped("GRT8_COM4", "/dev/ttyUSB7");
    EXPECT_EQ(PortDevicePath(ModulePort::Com('4')), "/dev/ttyUSB7");
    EXPECT_EQ(PortDevicePath(ModulePort::Device("/dev/ttyACM0")), "/dev/ttyACM0");
}

TEST(PortDiagnosisTest, AMissingDeviceIsNamedWithWhatToCheck) {
    const ComMapping unmapped("GRT8_COM3", nullptr);
    const std::string com = Explain(ModulePort::Com('3'), PortOpenReason::NoSuchDevice);
    EXPECT_TRUE(Contains(com, "COM3 (/dev/ttyS2) does not exist")) << com;
    EXPECT_TRUE(Contains(com, "GRT8_COM3=/dev/ttyUSB0")) << com;

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
