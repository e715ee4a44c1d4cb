#include "link_fixture.h"

#include "link/module_frames.h"

#include <numeric>

namespace {

using FrameTest = LinkTest;

std::vector<std::uint8_t> Counting(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

std::vector<std::uint8_t> Concatenated(std::vector<std::uint8_t> head,
                                       const std::vector<std::uint8_t>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST_F(FrameTest, WriteFrameSendsAddressHighByteFirstAndTheLowByteOfTheLength) {
    OpenLink();
    const std::vector<std::uint8_t> data = Counting(131);

    link.WriteMemory(data.data(), 131, 0x0180);

    EXPECT_FALSE(link.m_bBusy);
    EXPECT_EQ(line.SentValues(), Concatenated({0x77, 0x01, 0x80, 0x83, 0x0D}, data));
    EXPECT_EQ(module.writeFrames, 1);
}

TEST_F(FrameTest, ReadVersionAndRestartFramesHaveTheirExactBytes) {
    OpenLink();
    std::uint8_t destination[128];
    char version[11];

    module.readReplies.push_back(ReplyWithCheckByte(std::vector<std::uint8_t>(128, 0x11)));
    link.ReadMemory(destination, 128, 0x0100);
    EXPECT_EQ(line.SentValues(), (std::vector<std::uint8_t>{0x72, 0x01, 0x00, 0x80, 0x0D}));
    line.sent.clear();

    link.QueryVersion(version);
    EXPECT_EQ(line.SentValues(), std::vector<std::uint8_t>{0x76});
    line.sent.clear();

    link.RestartModule();
    EXPECT_EQ(line.SentValues(), (std::vector<std::uint8_t>{0x78, 0x21, 0x21, 0x21, 0x0D}));
}

TEST(FrameHeaderTest, KeepsOnlyTheBitsEachByteCarries) {
    EXPECT_EQ(MakeMemoryFrameHeader(kWriteMemoryCommand, 0x1FF, 0x12345),
              (MemoryFrameHeader{0x77, 0x23, 0x45, 0xFF, 0x0D}));
    EXPECT_EQ(MakeMemoryFrameHeader(kReadMemoryCommand, 3, 0x0003),
              (MemoryFrameHeader{0x72, 0x00, 0x03, 0x03, 0x0D}));
}

TEST_F(FrameTest, EveryMemoryFrameByteStartsTenMillisecondsAfterTheOneBefore) {
    OpenLink();
    const std::vector<std::uint8_t> data = Counting(128);

    link.WriteMemory(data.data(), 128, 0x0080);
    const double frameEnd = line.NowMicroseconds();

    ASSERT_EQ(line.sent.size(), 133U);
    for (std::size_t i = 1; i < line.sent.size(); ++i) {
        const double gap = line.sent[i].atMicroseconds - line.sent[i - 1].atMicroseconds;
        EXPECT_GE(gap, 10'000.0) << "before byte " << i;
        EXPECT_LT(gap, 10'003.0) << "before byte " << i;
    }
    EXPECT_GE(frameEnd - line.sent.back().atMicroseconds, 10'000.0);
    EXPECT_GE(link.m_dElapsed, 10'000.0);
}

TEST_F(FrameTest, WithoutACounterBytesGoOutUnpaced) {
    line.frequency = 0;
    OpenLink();
    const std::vector<std::uint8_t> data = Counting(20);

    link.WriteMemory(data.data(), 20, 0);

    EXPECT_FALSE(link.m_bBusy);
    ASSERT_EQ(line.sent.size(), 25U);
    EXPECT_LT(line.sent.back().atMicroseconds - line.sent.front().atMicroseconds, 100.0);
}

TEST_F(FrameTest, AFailedWriteCutsTheWriteFrameSilently) {
    OpenLink();
    const std::vector<std::uint8_t> data = Counting(10);
    int writesLeft = 7;
    line.module = [&](FakeSerialLine& fakeLine, std::uint8_t) {
        fakeLine.writesFail = --writesLeft == 0;
    };

    link.WriteMemory(data.data(), 10, 0x0003);

    EXPECT_TRUE(link.m_bBusy);
    EXPECT_EQ(line.sent.size(), 7U);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(FrameTest, LengthsTheLengthByteCannotCarryAreRefusedBeforeSending) {
    OpenLink();
    const std::vector<std::uint8_t> data = Counting(255);
    std::uint8_t destination[256] = {};

    link.WriteMemory(data.data(), 256, 0);
    EXPECT_TRUE(link.m_bBusy);
    link.m_bBusy = false;
    link.ReadMemory(destination, -1, 0);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_TRUE(line.sent.empty());

    link.WriteMemory(data.data(), 255, 0);
    EXPECT_FALSE(link.m_bBusy);
    EXPECT_EQ(line.sent[3].value, 0xFF);
}

} // namespace
