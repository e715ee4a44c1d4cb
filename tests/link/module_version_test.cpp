#include "link_fixture.h"

#include <cstring>

namespace {

using VersionTest = LinkTest;

constexpr double kFlushMicroseconds = 740'000.0;
constexpr double kVersionQueryMicroseconds = 20'000.0 + 200'000.0;

TEST_F(VersionTest, AReplyIsStoredWithItsTerminatingZero) {
    OpenLink();
    module.version = "G8v1.07";
    char buffer[11];
    std::memset(buffer, 'X', sizeof buffer);

    link.QueryVersion(buffer);

    EXPECT_FALSE(link.m_bBusy);
    EXPECT_STREQ(buffer, "G8v1.07");
}

TEST_F(VersionTest, NoReplyLeavesBusySetAndAnEmptyTextAfterTwoHundredMilliseconds) {
    OpenLink();
    char buffer[11] = "old";
    const double start = line.NowMicroseconds();

    link.QueryVersion(buffer);

    EXPECT_TRUE(link.m_bBusy);
    EXPECT_STREQ(buffer, "");
    EXPECT_NEAR(line.NowMicroseconds() - start, kVersionQueryMicroseconds, 10.0);
}

TEST_F(VersionTest, AShortReplyClearsBusyButDoesNotMakeContact) {
    OpenLink();
    module.version = "G8";
    char buffer[11];

    link.QueryVersion(buffer);
    EXPECT_FALSE(link.m_bBusy);
    EXPECT_STREQ(buffer, "G8");

    const double start = line.NowMicroseconds();
    EXPECT_FALSE(link.Connect(buffer));
    EXPECT_EQ(line.SentValues(), std::vector<std::uint8_t>(5, 'v'));
    EXPECT_NEAR(line.NowMicroseconds() - start, 4 * (kFlushMicroseconds + 20'000.0 + 200'000.0),
                100.0);
}

TEST_F(VersionTest, AReplyLongerThanTenIsCutAndTheRestWaitsForTheNextFlush) {
    OpenLink();
    module.version = "G8v1.07-extra";
    char buffer[11];

    link.QueryVersion(buffer);
    EXPECT_STREQ(buffer, "G8v1.07-ex");
    EXPECT_EQ(line.incoming.size(), 3U);

    link.FlushInput();
    EXPECT_TRUE(line.incoming.empty());
}

TEST_F(VersionTest, FlushCostsSevenHundredFortyMillisecondsOnAQuietLineAndClearsBusy) {
    OpenLink();
    char buffer[11];
    link.QueryVersion(buffer);
    ASSERT_TRUE(link.m_bBusy);
    const double start = line.NowMicroseconds();

    link.FlushInput();

    EXPECT_FALSE(link.m_bBusy);
    EXPECT_NEAR(line.NowMicroseconds() - start, kFlushMicroseconds, 10.0);
}

TEST_F(VersionTest, FlushTakesAtMostSixtyFourBytesAndReturnsAtOnceWhenTheyAreThere) {
    OpenLink();
    line.Receive(std::vector<std::uint8_t>(70, 0xAA));
    const double start = line.NowMicroseconds();

    link.FlushInput();

    EXPECT_EQ(line.incoming.size(), 6U);
    EXPECT_LT(line.NowMicroseconds() - start, 10.0);
}

TEST_F(VersionTest, ConnectStopsAtTheFirstReplyWithThePrefix) {
    OpenLink();
    module.version = "G8v2";
    char buffer[11];

    EXPECT_TRUE(link.Connect(buffer));
    EXPECT_STREQ(buffer, "G8v2");
    EXPECT_EQ(line.SentValues(), std::vector<std::uint8_t>{'v'});
}

TEST_F(VersionTest, ConnectGivesUpAfterFourTriesOfOtherText) {
    OpenLink();
    module.version = "XYZ1.0";
    char buffer[11];

    EXPECT_FALSE(link.Connect(buffer));
    EXPECT_STREQ(buffer, "XYZ1.0");
    EXPECT_EQ(line.SentValues(), std::vector<std::uint8_t>(4, 'v'));
}

TEST_F(VersionTest, ConnectSucceedsOnItsLastTry) {
    OpenLink();
    int queries = 0;
    line.module = [&](FakeSerialLine& fakeLine, std::uint8_t) {
        const std::string reply = ++queries < 4 ? "garbage" : "G8v3";
        fakeLine.Receive(std::vector<std::uint8_t>(reply.begin(), reply.end()));
    };
    char buffer[11];

    EXPECT_TRUE(link.Connect(buffer));
    EXPECT_EQ(queries, 4);
    EXPECT_STREQ(buffer, "G8v3");
}

TEST_F(VersionTest, RestartSendsItsBytesTwentyMillisecondsApartAndLeavesBusyAlone) {
    OpenLink();
    link.m_bBusy = true;

    link.RestartModule();

    EXPECT_TRUE(link.m_bBusy);
    ASSERT_EQ(line.sent.size(), 5U);
    for (std::size_t i = 1; i < line.sent.size(); ++i) {
        EXPECT_NEAR(line.sent[i].atMicroseconds - line.sent[i - 1].atMicroseconds, 20'000.0, 1.0);
    }
    line.writesFail = true;
    link.RestartModule();
    EXPECT_TRUE(messageBoxes.empty());
}

} // namespace
