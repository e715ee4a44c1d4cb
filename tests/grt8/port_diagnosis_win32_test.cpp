#include "tools/grt8/port_argument.h"
#include "tools/grt8/port_diagnosis.h"

#include <gtest/gtest.h>

namespace {

TEST(PortDiagnosisWin32Test, NamesTheComPortAndWhatToDo) {
    const struct {
        PortOpenReason reason;
        const char* says;
    } cases[] = {
        {PortOpenReason::NoSuchDevice, "COM3 does not exist. Check that the module's serial "
                                       "adapter is plugged in and see its number in Device "
                                       "Manager"},
        {PortOpenReason::InUse, "COM3 is in use by another program"},
        {PortOpenReason::AccessDenied, "access to COM3 is denied"},
        {PortOpenReason::Other, "cannot open COM3: Element not found."},
    };
    for (const auto& each : cases) {
        const std::string text =
            ExplainPortOpenFailure(ModulePort::Com('3'), {each.reason, "Element not found"});
        EXPECT_EQ(text.rfind(each.says, 0), 0u) << text;
    }
}

TEST(PortArgumentWin32Test, PortsAboveNineAreGivenByTheirDeviceName) {
    const PortArgument high = ParsePortArgument(R"(\\.\COM12)");
    ASSERT_TRUE(high.port.has_value());
    EXPECT_EQ(PortDevicePath(*high.port), R"(\\.\COM12)");
    EXPECT_NE(ParsePortArgument("COM12").error.find(R"(\\.\COM12)"), std::string::npos);
}

} // namespace
