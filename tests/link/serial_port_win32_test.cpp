#include "link/module_link.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <windows.h>

// Needs a COM port with a line behind it, named by GRT8_TEST_COM; the end-to-end check of grt8.exe
// under Wine links one to grt8-sim and runs this. The line settings stay with the device after
// the link closes it; the timeouts belong to the link's handle, where nothing else can read
// them: the operations' timing shows them.
TEST(SerialPortWin32Test, TheLinkSetsTheModulesLine) {
    const char* com = std::getenv("GRT8_TEST_COM");
    if (com == nullptr) {
        GTEST_SKIP() << "no COM port named by GRT8_TEST_COM";
    }
    ASSERT_TRUE(theLink.OpenPortAt(com));
    theLink.ClosePort();

    const HANDLE port = CreateFileA(com, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    CloseHandle(port);
    using Line = std::array<unsigned long, 7>;
    EXPECT_EQ((Line{dcb.BaudRate, dcb.ByteSize, dcb.Parity, dcb.StopBits, dcb.fOutxCtsFlow,
                    dcb.fOutX, dcb.fInX}),
              (Line{1200, 8, NOPARITY, ONESTOPBIT, 0, 0, 0}));
}
