#include "link_fixture.h"

#include "link/configure_port.h"

namespace {

using OpenTest = LinkTest;

TEST_F(OpenTest, OpensTheComPortOfTheDigitWithTheModuleLine) {
    ASSERT_TRUE(link.OpenPort('7'));

    EXPECT_EQ(line.openedName, "COM7");
    EXPECT_TRUE(line.isOpen);
    EXPECT_EQ(line.baudRate, 1200U);
    EXPECT_EQ(line.timeouts.readIntervalMs, 0U);
    EXPECT_EQ(line.timeouts.readTotalMultiplierMs, 10U);
    EXPECT_EQ(line.timeouts.readTotalConstantMs, 100U);
    EXPECT_EQ(line.timeouts.writeTotalMultiplierMs, 0U);
    EXPECT_EQ(line.timeouts.writeTotalConstantMs, 100U);
    EXPECT_EQ(line.inputQueueBytes, 1024U);
    EXPECT_EQ(line.outputQueueBytes, 1024U);
    EXPECT_TRUE(line.dtrRaised);
    EXPECT_EQ(link.m_liFrequency, line.frequency);
    EXPECT_DOUBLE_EQ(link.m_dCharTime, 10.0 / 1200 * 1'000'000);
    EXPECT_DOUBLE_EQ(link.m_dCharTime * 1.2, 10'000.0);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(OpenTest, OpensAnExplicitDeviceByItsOwnName) {
    ASSERT_TRUE(link.OpenPortAt("/dev/ttyUSB0"));
    EXPECT_EQ(line.openedName, "/dev/ttyUSB0");
    EXPECT_EQ(line.baudRate, 1200U);
}

TEST_F(OpenTest, MissingPortFailsSilentlyButTakesTheFrequency) {
    line.portExists = false;
    line.frequency = 3'579'545;

    EXPECT_FALSE(link.OpenPort('9'));
    EXPECT_EQ(g_hPort, nullptr);
    EXPECT_EQ(link.m_liFrequency, 3'579'545);
    EXPECT_TRUE(messageBoxes.empty());
}

// Nothing checks that the port is open before a transfer; without one it fails as on a dead line.
TEST_F(OpenTest, TransfersAfterAFailedOpenFailWithoutCrashing) {
    line.portExists = false;
    ASSERT_FALSE(link.OpenPort('2'));
    char version[11] = "unchanged";

    link.QueryVersion(version);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_STREQ(version, "");
    link.WriteMemory(reinterpret_cast<const std::uint8_t*>("ab"), 2, 0);
    EXPECT_TRUE(link.m_bBusy);
    link.ClosePort();
}

TEST_F(OpenTest, ClosingKeepsTheHandleAndTransfersOnAClosedPortFail) {
    OpenLink();
    const SerialPort* opened = g_hPort.get();

    link.ClosePort();
    link.ClosePort();
    EXPECT_FALSE(line.isOpen);
    EXPECT_EQ(g_hPort.get(), opened);
    const std::uint8_t data[1] = {0x55};
    link.WriteMemory(data, 1, 0);
    EXPECT_TRUE(link.m_bBusy);
    EXPECT_TRUE(line.sent.empty());
}

struct RefusedSetting {
    const char* name;
    bool FakeSerialLine::*refusal;
    const char* message;
};

void PrintTo(const RefusedSetting& setting, std::ostream* out) {
    *out << setting.name;
}

class RefusedSettingTest : public LinkTest, public ::testing::WithParamInterface<RefusedSetting> {};

TEST_P(RefusedSettingTest, ShowsItsOwnMessageAndTheOpenGoesOn) {
    line.*GetParam().refusal = true;

    EXPECT_TRUE(link.OpenPort('1'));
    EXPECT_EQ(messageBoxes, std::vector<std::string>{GetParam().message});
    EXPECT_TRUE(line.dtrRaised);
    EXPECT_DOUBLE_EQ(link.m_dCharTime, 10.0 / 1200 * 1'000'000);
}

INSTANTIATE_TEST_SUITE_P(
    EachSetting, RefusedSettingTest,
    ::testing::Values(
        RefusedSetting{"ReadingTheSettings", &FakeSerialLine::refuseLineSettingsRead,
                       "Getcommstate ERROR"},
        RefusedSetting{"TheLine", &FakeSerialLine::refuseLineSettings, "Błąd ustawienia portu !"},
        RefusedSetting{"TheTimeouts", &FakeSerialLine::refuseTimeouts, "Błąd wpisu timeouts !"}),
    [](const ::testing::TestParamInfo<RefusedSetting>& setting) { return setting.param.name; });

TEST_F(OpenTest, ElapsedMicrosecondsConvertsCountsAndReportsAnEternityWithoutACounter) {
    line.frequency = 3'579'545;
    line.counterStepNanoseconds = 0;
    OpenLink();
    const std::int64_t now = line.Counter();

    EXPECT_NEAR(link.ElapsedMicroseconds(now - 3'579'545), 1'000'000.0, 1e-6);
    EXPECT_NEAR(link.ElapsedMicroseconds(now - 35'795), 9'999.87, 0.01);

    link.m_liFrequency = 0;
    EXPECT_EQ(link.ElapsedMicroseconds(now), 1'000'000'000.0);
}

} // namespace
