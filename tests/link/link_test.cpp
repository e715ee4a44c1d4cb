#include "line_fixture.h"

namespace {

using LinkTest = LineTest;

// What the operations cannot show: a port that refuses every byte fails each read try after
// its paced header with one "Write error" per byte, and refused bytes of other frames go
// unreported; a write frame stops at its first refused byte; without a high-resolution counter
// bytes go out unpaced.
TEST_F(LinkTest, RefusedBytesAndAMissingCounter) {
    line.frequency = 0;
    ASSERT_TRUE(link.OpenPort('1'));
    const std::vector<std::uint8_t> data(20, 0x42);
    link.WriteMemory(data.data(), 20, 0x0180);
    EXPECT_FALSE(link.m_bBusy);
    line.frequency = 10'000'000;
    ASSERT_TRUE(link.OpenPort('1'));
    line.module = [](FakeSerialLine& fakeLine, std::uint8_t) { fakeLine.writesFail = true; };
    link.WriteMemory(data.data(), 20, 0x0180);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_EQ(line.sent.size(), 25U + 1U) << "the frame stops at the refused byte";
    link.RestartModule();
    char version[11];
    link.QueryVersion(version);
    EXPECT_TRUE(link.m_bBusy);
    std::uint8_t destination[128] = {};

    link.ReadMemory(destination, 128, 0);

    EXPECT_TRUE(link.m_bBusy);
    Trace writeErrors;
    for (int attempt = 0; attempt < 8; ++attempt) {
        writeErrors = writeErrors + Trace(5, "box Write error") + Trace{"read 129", "sleep 1390"};
    }
    const Trace open = Opened("COM1");
    EXPECT_EQ(trace, (open + Trace{Frame('w', 0x0180, 20, "0.0")} + open + Trace(6, "sleep 20") +
                      Trace{"read 10", "sleep 200"} + writeErrors));
}

} // namespace
