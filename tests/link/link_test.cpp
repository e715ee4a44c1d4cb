#include "line_fixture.h"

// What the operations cannot show: without a high-resolution counter bytes go out unpaced; a
// write frame stops at its first refused byte and refused bytes of the version and restart
// frames go unreported, but a port that refuses every byte shows one "Write error" per header
// byte of each of the eight tries of a read.
TEST_F(LineTest, AMissingCounterAndRefusedBytes) {
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
    std::uint8_t destination[128] = {};

    link.ReadMemory(destination, 128, 0);

    EXPECT_TRUE(link.m_bBusy);
    EXPECT_EQ(trace, Expected("link/refused_bytes"));
}
