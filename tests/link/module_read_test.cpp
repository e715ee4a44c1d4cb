#include "link_fixture.h"

#include <algorithm>
#include <array>

namespace {

using ReadTest = LinkTest;

constexpr std::uint8_t kOldContents = 0xEE;

std::vector<std::uint8_t> Pattern(std::size_t count, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    }
    return bytes;
}

std::vector<std::uint8_t> WithSpoiledCheckByte(std::vector<std::uint8_t> reply) {
    reply.back() = static_cast<std::uint8_t>(reply.back() + 1);
    return reply;
}

std::vector<std::uint8_t> OneByteShort(std::vector<std::uint8_t> reply) {
    reply.pop_back();
    return reply;
}

class ReadDestination {
public:
    ReadDestination() { m_bytes.fill(kOldContents); }
    std::uint8_t* data() { return m_bytes.data(); }
    bool Untouched() const {
        return std::all_of(m_bytes.begin(), m_bytes.end(),
                           [](std::uint8_t b) { return b == kOldContents; });
    }
    std::vector<std::uint8_t> First(std::size_t count) const {
        return {m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(count)};
    }
    std::uint8_t At(std::size_t index) const { return m_bytes[index]; }

private:
    std::array<std::uint8_t, 200> m_bytes;
};

TEST_F(ReadTest, AnIntactReplyFillsExactlyLengthBytes) {
    OpenLink();
    const std::vector<std::uint8_t> data = Pattern(128, 3);
    module.readReplies.push_back(ReplyWithCheckByte(data));
    ReadDestination destination;

    link.ReadMemory(destination.data(), 128, 0x0080);

    EXPECT_FALSE(link.m_bBusy);
    EXPECT_EQ(module.readRequests, 1);
    EXPECT_EQ(destination.First(128), data);
    EXPECT_EQ(destination.At(128), kOldContents);
}

// Every kind of bad reply is retried at once, eight tries in all, and never reaches the
// destination.
TEST_F(ReadTest, BadRepliesAreRetriedExactlyEightTimes) {
    const std::vector<std::vector<std::uint8_t>> badReplies = {
        WithSpoiledCheckByte(ReplyWithCheckByte(Pattern(128, 1))),
        OneByteShort(ReplyWithCheckByte(Pattern(128, 1))),
        // One byte short, yet its bytes sum to zero.
        ReplyWithCheckByte(Pattern(127, 1)),
        {},
    };
    OpenLink();
    for (const std::vector<std::uint8_t>& bad : badReplies) {
        module.readRequests = 0;
        module.readReplies.assign(8, bad);
        ReadDestination destination;

        link.ReadMemory(destination.data(), 128, 0);

        EXPECT_TRUE(link.m_bBusy);
        EXPECT_EQ(module.readRequests, 8);
        EXPECT_TRUE(destination.Untouched());
        EXPECT_TRUE(line.incoming.empty());
    }
}

TEST_F(ReadTest, TheEighthTryStillCounts) {
    OpenLink();
    module.readReplies.assign(7, WithSpoiledCheckByte(ReplyWithCheckByte(Pattern(16, 9))));
    module.readReplies.push_back(ReplyWithCheckByte(Pattern(16, 9)));
    ReadDestination destination;

    link.ReadMemory(destination.data(), 16, 0x0180);

    EXPECT_FALSE(link.m_bBusy);
    EXPECT_EQ(module.readRequests, 8);
    EXPECT_EQ(destination.First(16), Pattern(16, 9));
}

// A silent module costs each try its five paced header bytes and the whole read timeout.
TEST_F(ReadTest, ASilentModuleCostsEightFullTimeouts) {
    OpenLink();
    ReadDestination destination;
    const double start = line.NowMicroseconds();

    link.ReadMemory(destination.data(), 128, 0);

    const double perTry = 5 * 10'000.0 + (10 * 129 + 100) * 1000.0;
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_NEAR(line.NowMicroseconds() - start, 8 * perTry, 100.0);
}

TEST_F(ReadTest, ADeadPortShowsWriteErrorForEveryHeaderByteOfEveryTry) {
    OpenLink();
    line.writesFail = true;
    ReadDestination destination;
    const double start = line.NowMicroseconds();

    link.ReadMemory(destination.data(), 128, 0);

    EXPECT_TRUE(link.m_bBusy);
    EXPECT_EQ(messageBoxes, std::vector<std::string>(40, "Write error"));
    EXPECT_TRUE(destination.Untouched());
    EXPECT_GE(line.NowMicroseconds() - start, 40 * 10'000.0);
}

} // namespace
