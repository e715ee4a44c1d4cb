#include "link/module_link.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <windows.h>

namespace {

HANDLE OpenRaw(const char* name) {
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Needs a COM port with a line behind it, named by GRT8_TEST_COM; the end-to-end check of grt8.exe
// under Wine links one to grt8-sim and runs this.
TEST(SerialPortWin32Test, TheLinkSetsTheModulesLine) {
    const char* com = std::getenv("GRT8_TEST_COM");
    if (com == nullptr) {
        GTEST_SKIP() << "no COM port named by GRT8_TEST_COM";
    }
    ASSERT_TRUE(theLink.OpenPortAt(com));
    theLink.ClosePort();

    // The line settings stay with the device after the link closes it. The timeouts belong to
    // the link's handle, where nothing else can read them: the operations' timing shows them.
    const HANDLE port = OpenRaw(com);
    ASSERT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    CloseHandle(port);
    EXPECT_EQ(dcb.BaudRate, 1200u);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
    EXPECT_EQ(dcb.fOutX, 0u);
    EXPECT_EQ(dcb.fInX, 0u);
}

} // namespace
