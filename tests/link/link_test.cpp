#include "fake_serial_line.h"
#include "link/module_frames.h"
#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "scripted_module.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

constexpr double kFlushMicroseconds = 740'000.0;
constexpr double kVersionQueryMicroseconds = 20'000.0 + 200'000.0;
constexpr std::uint8_t kOldContents = 0xEE;

using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t count, std::uint8_t seed) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    }
    return bytes;
}

// A fresh link on a FakeSerialLine driven by a ScriptedModule; message boxes are recorded.
class LinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousSystem = UseSerialPortSystem(&line);
        m_previousBox =
            SetMessageBoxHandler([this](const std::string& text) { messageBoxes.push_back(text); });
        line.module = [this](FakeSerialLine& fakeLine, std::uint8_t byte) {
            module(fakeLine, byte);
        };
    }

    void TearDown() override {
        g_hPort.reset();
        SetMessageBoxHandler(m_previousBox);
        UseSerialPortSystem(m_previousSystem);
    }

    void OpenLink() {
        ASSERT_TRUE(link.OpenPort('1'));
        line.sent.clear();
    }

    // The bytes sent started `gap` microseconds apart, give or take the counter's steps.
    void ExpectBytesApart(double gap) const {
        for (std::size_t i = 1; i < line.sent.size(); ++i) {
            const double actual = line.sent[i].atMicroseconds - line.sent[i - 1].atMicroseconds;
            ASSERT_GE(actual, gap) << "before byte " << i;
            ASSERT_LT(actual, gap + 3) << "before byte " << i;
        }
    }

    FakeSerialLine line;
    ScriptedModule module;
    CModuleLink link;
    std::vector<std::string> messageBoxes;

private:
    SerialPortSystem* m_previousSystem = nullptr;
    MessageBoxHandler m_previousBox;
};

TEST_F(LinkTest, OpensThePortWithTheModuleLineAndGoesOnPastRefusedSettings) {
    ASSERT_TRUE(link.OpenPort('7'));
    EXPECT_EQ(line.openedName, "COM7");
    EXPECT_EQ(line.baudRate, 1200U);
    const SerialTimeouts& t = line.timeouts;
    EXPECT_EQ((std::array{t.readIntervalMs, t.readTotalMultiplierMs, t.readTotalConstantMs,
                          t.writeTotalMultiplierMs, t.writeTotalConstantMs}),
              (std::array{0U, 10U, 100U, 0U, 100U}));
    EXPECT_EQ(line.inputQueueBytes, 1024U);
    EXPECT_EQ(line.outputQueueBytes, 1024U);
    EXPECT_TRUE(line.dtrRaised);
    EXPECT_DOUBLE_EQ(link.m_dCharTime, 10.0 / 1200 * 1'000'000);
    EXPECT_TRUE(messageBoxes.empty());

    ASSERT_TRUE(link.OpenPortAt("/dev/ttyUSB0"));
    EXPECT_EQ(line.openedName, "/dev/ttyUSB0");

    const std::pair<bool FakeSerialLine::*, const char*> refusals[] = {
        {&FakeSerialLine::refuseLineSettingsRead, "Getcommstate ERROR"},
        {&FakeSerialLine::refuseLineSettings, "Błąd ustawienia portu !"},
        {&FakeSerialLine::refuseTimeouts, "Błąd wpisu timeouts !"}};
    for (const auto& [refusal, message] : refusals) {
        messageBoxes.clear();
        line.dtrRaised = false;
        line.*refusal = true;
        EXPECT_TRUE(link.OpenPort('1'));
        EXPECT_EQ(messageBoxes, std::vector<std::string>{message});
        EXPECT_TRUE(line.dtrRaised) << message;
        line.*refusal = false;
    }
}

// Nothing checks that the port is open before a transfer; without one it fails as on a dead
// line, silently.
TEST_F(LinkTest, AMissingOrClosedPortFailsEveryTransferSilently) {
    line.portExists = false;
    line.frequency = 3'579'545;
    EXPECT_FALSE(link.OpenPort('9'));
    EXPECT_EQ(g_hPort, nullptr);
    EXPECT_EQ(link.m_liFrequency, 3'579'545) << "the counter is taken all the same";
    char version[11] = "unchanged";
    link.QueryVersion(version);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_STREQ(version, "");

    line.portExists = true;
    OpenLink();
    const SerialPort* opened = g_hPort.get();
    link.ClosePort();
    link.ClosePort();
    EXPECT_FALSE(line.isOpen);
    EXPECT_EQ(g_hPort.get(), opened);
    link.WriteMemory(Pattern(2, 1).data(), 2, 0);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_TRUE(line.sent.empty());
    EXPECT_TRUE(messageBoxes.empty());
}

// Memory frame bytes start 10 ms apart (1.2 character times at 1200 baud), the last one
// included; version and restart bytes are followed by plain 20 ms sleeps.
TEST_F(LinkTest, EveryFrameHasItsExactBytesAndPacing) {
    OpenLink();
    const Bytes data = Pattern(131, 1);
    link.WriteMemory(data.data(), 131, 0x0180);
    const double frameEnd = line.NowMicroseconds();
    EXPECT_FALSE(link.m_bBusy);
    const Bytes sent = line.SentValues();
    EXPECT_EQ(Bytes(sent.begin(), sent.begin() + 5), (Bytes{0x77, 0x01, 0x80, 0x83, 0x0D}));
    EXPECT_EQ(Bytes(sent.begin() + 5, sent.end()), data);
    EXPECT_EQ(module.writeFrames, 1);
    ExpectBytesApart(10'000.0);
    EXPECT_GE(frameEnd - line.sent.back().atMicroseconds, 10'000.0);

    line.sent.clear();
    module.readReplies.push_back(ReplyWithCheckByte(Bytes(128, 0x11)));
    std::uint8_t destination[128];
    link.ReadMemory(destination, 128, 0x0100);
    EXPECT_EQ(line.SentValues(), (Bytes{0x72, 0x01, 0x00, 0x80, 0x0D}));
    ExpectBytesApart(10'000.0);

    line.sent.clear();
    link.m_bBusy = true;
    link.RestartModule();
    EXPECT_TRUE(link.m_bBusy) << "a restart leaves the flag alone";
    EXPECT_EQ(line.SentValues(), (Bytes{0x78, 0x21, 0x21, 0x21, 0x0D}));
    ExpectBytesApart(20'000.0);
    line.writesFail = true;
    link.RestartModule();
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(LinkTest, WriteFramesFailOnLengthsTheyCannotCarryOrOnAFailedByte) {
    EXPECT_EQ(MakeMemoryFrameHeader(kWriteMemoryCommand, 0x1FF, 0x12345),
              (MemoryFrameHeader{0x77, 0x23, 0x45, 0xFF, 0x0D}));
    OpenLink();
    const Bytes data = Pattern(256, 1);
    std::uint8_t destination[256] = {};
    link.WriteMemory(data.data(), 256, 0);
    EXPECT_TRUE(link.m_bBusy);
    link.m_bBusy = false;
    link.ReadMemory(destination, -1, 0);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_TRUE(line.sent.empty());

    int writesLeft = 7;
    line.module = [&](FakeSerialLine& fakeLine, std::uint8_t) {
        fakeLine.writesFail = --writesLeft == 0;
    };
    link.WriteMemory(data.data(), 10, 0x0003);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_EQ(line.sent.size(), 7U) << "the frame stops at the failed byte";
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(LinkTest, WithoutACounterBytesGoOutUnpaced) {
    line.frequency = 0;
    OpenLink();
    link.WriteMemory(Pattern(20, 1).data(), 20, 0);
    EXPECT_FALSE(link.m_bBusy);
    ASSERT_EQ(line.sent.size(), 25U);
    EXPECT_LT(line.sent.back().atMicroseconds - line.sent.front().atMicroseconds, 100.0);
}

// Every bad reply is retried at once, eight tries in all, and never reaches the destination;
// an intact one fills exactly `length` bytes, on the eighth try too.
TEST_F(LinkTest, ReadsRetryBadRepliesEightTimes) {
    const Bytes good = ReplyWithCheckByte(Pattern(128, 3));
    Bytes spoiled = good;
    spoiled.back() ^= 1;
    const std::vector<Bytes> badReplies = {
        spoiled, Bytes(good.begin(), good.end() - 1), ReplyWithCheckByte(Pattern(127, 3)), {}};
    OpenLink();
    for (std::size_t goodAt : {0U, 7U, 8U}) {
        for (const Bytes& bad : badReplies) {
            module.readRequests = 0;
            module.readReplies.assign(goodAt, bad);
            module.readReplies.push_back(good);
            std::array<std::uint8_t, 200> destination;
            destination.fill(kOldContents);
            const double start = line.NowMicroseconds();

            link.ReadMemory(destination.data(), 128, 0x0080);

            const int tries = static_cast<int>(std::min<std::size_t>(goodAt + 1, 8));
            EXPECT_EQ(module.readRequests, tries);
            EXPECT_EQ(link.m_bBusy, goodAt == 8);
            const Bytes expected = goodAt == 8 ? Bytes(128, kOldContents) : Pattern(128, 3);
            EXPECT_EQ(Bytes(destination.begin(), destination.begin() + 128), expected);
            EXPECT_EQ(destination[128], kOldContents);
            if (bad.empty() && goodAt == 8) {
                const double perTry = 5 * 10'000.0 + (10 * 129 + 100) * 1000.0;
                EXPECT_NEAR(line.NowMicroseconds() - start, 8 * perTry, 100.0);
            }
            line.incoming.clear();
        }
    }
}

TEST_F(LinkTest, ADeadPortShowsWriteErrorForEveryHeaderByteOfEveryReadTry) {
    OpenLink();
    line.writesFail = true;
    std::uint8_t destination[128] = {};
    const double start = line.NowMicroseconds();

    link.ReadMemory(destination, 128, 0);

    EXPECT_TRUE(link.m_bBusy);
    EXPECT_EQ(messageBoxes, std::vector<std::string>(40, "Write error"));
    EXPECT_GE(line.NowMicroseconds() - start, 40 * 10'000.0);
}

TEST_F(LinkTest, VersionRepliesAreCutAtTenBytesAndTheRestWaitsForAFlush) {
    OpenLink();
    const std::pair<std::string, std::string> replies[] = {
        {"G8v1.07", "G8v1.07"}, {"G8v1.07-extra", "G8v1.07-ex"}, {"G8", "G8"}, {"", ""}};
    for (const auto& [reply, stored] : replies) {
        module.version = reply;
        char buffer[11];
        std::fill(std::begin(buffer), std::end(buffer), 'X');
        const double start = line.NowMicroseconds();

        link.QueryVersion(buffer);

        EXPECT_EQ(link.m_bBusy, reply.empty());
        EXPECT_STREQ(buffer, stored.c_str());
        if (reply.empty()) {
            EXPECT_NEAR(line.NowMicroseconds() - start, kVersionQueryMicroseconds, 10.0);
        }
        EXPECT_EQ(line.incoming.size(), reply.size() - stored.size());
        line.incoming.clear();
    }

    line.Receive(Bytes(70, 0xAA));
    double start = line.NowMicroseconds();
    link.FlushInput();
    EXPECT_EQ(line.incoming.size(), 6U) << "a flush takes at most 64 bytes";
    EXPECT_LT(line.NowMicroseconds() - start, 10.0) << "and returns at once when they are there";

    link.m_bBusy = true;
    line.incoming.clear();
    start = line.NowMicroseconds();
    link.FlushInput();
    EXPECT_FALSE(link.m_bBusy);
    EXPECT_NEAR(line.NowMicroseconds() - start, kFlushMicroseconds, 10.0);
}

// Connect flushes and asks up to four times, until an answer begins with "G8v".
TEST_F(LinkTest, ConnectTakesOnlyAnAnswerWithThePrefix) {
    OpenLink();
    for (int goodAt : {1, 4, 5}) {
        line.sent.clear();
        int queries = 0;
        line.module = [&](FakeSerialLine& fakeLine, std::uint8_t) {
            const std::string reply = ++queries < goodAt ? "G8" : "G8v3";
            fakeLine.Receive(Bytes(reply.begin(), reply.end()));
        };
        char buffer[11];
        const double start = line.NowMicroseconds();

        EXPECT_EQ(link.Connect(buffer), goodAt <= 4);

        const int tries = std::min(goodAt, 4);
        EXPECT_STREQ(buffer, goodAt <= 4 ? "G8v3" : "G8");
        EXPECT_EQ(line.SentValues(), Bytes(static_cast<std::size_t>(tries), 'v'));
        EXPECT_NEAR(line.NowMicroseconds() - start,
                    tries * (kFlushMicroseconds + kVersionQueryMicroseconds), 100.0);
    }
}

} // namespace
