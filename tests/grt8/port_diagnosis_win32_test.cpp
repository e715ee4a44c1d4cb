#include "tools/grt8/port_argument.h"
#include "tools/grt8/port_diagnosis.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(PortDiagnosisWin32Test, SaysWhatTheSystemsRefusalMeans) {
    const struct {
        DWORD error;
        const char* says;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, "COM3 does not exist. Check that the module's serial adapter"},
        {ERROR_PATH_NOT_FOUND, "COM3 does not exist."},
        {ERROR_ACCESS_DENIED, "COM3 is in use by another program"},
        {ERROR_SHARING_VIOLATION, "COM3 is in use by another program"},
        {ERROR_GEN_FAILURE, "cannot open COM3: "},
    };
    for (const auto& each : cases) {
        const std::string text = ExplainPortOpenFailure(ModulePort::Com('3'), int(each.error));
        EXPECT_NE(text.find(each.says), std::string::npos) << each.error << ": " << text;
    }
}

TEST(PortArgumentWin32Test, PortsAboveNineAreGivenByTheirDeviceName) {
    const PortArgument high = ParsePortArgument(R"(\\.\COM12)");
    ASSERT_TRUE(high.port.has_value());
    EXPECT_EQ(PortDevicePath(*high.port), R"(\\.\COM12)");
    EXPECT_NE(ParsePortArgument("COM12").error.find(R"(\\.\COM12)"), std::string::npos);
}

} // namespace
