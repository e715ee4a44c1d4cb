#include "pty_fixture.h"

#include "platform/serial_port_device.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Block = std::array<std::uint8_t, 128>;

constexpr int kBlockAddresses[] = {0x0000, 0x0080, 0x0100, 0x0180};

std::vector<std::uint8_t> MemoryPattern() {
    std::vector<std::uint8_t> memory(512);
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 13 + i / 256);
    }
    return memory;
}

class TemporaryFile {
public:
    explicit TemporaryFile(const std::vector<std::uint8_t>& bytes = {}) {
        char name[] = "/tmp/grt8_memory_XXXXXX";
        close(mkstemp(name));
        m_path = name;
        std::ofstream(m_path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    ~TemporaryFile() { std::remove(m_path.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return m_path; }
    std::vector<std::uint8_t> Contents() const {
        std::ifstream file(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private:
    std::string m_path;
};

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(PtyLinkTest, ConnectsAndReadsTheVersion) {
    StartSim({"--fast", "--version", "G8v2.31"});
    OpenCom1();
    char version[11];

    EXPECT_TRUE(theLink.Connect(version));
    EXPECT_STREQ(version, "G8v2.31");
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(PtyLinkTest, ReadsAllFourBlocksOfTheModuleMemory) {
    const std::vector<std::uint8_t> memory = MemoryPattern();
    TemporaryFile memoryFile(memory);
    StartSim({"--fast", "--memory", memoryFile.path()});
    OpenCom1();

    for (int address : kBlockAddresses) {
        Block block{};
        theLink.ReadMemory(block.data(), 128, address);
        ASSERT_FALSE(theLink.m_bBusy) << "block at " << address;
        EXPECT_TRUE(std::equal(block.begin(), block.end(), memory.begin() + address));
    }
}

TEST_F(PtyLinkTest, WrittenBytesReadBackAndReachTheModuleMemory) {
    TemporaryFile dump;
    StartSim({"--fast", "--dump", dump.path()});
    OpenCom1();
    Block written;
    for (std::size_t i = 0; i < written.size(); ++i) {
        written[i] = static_cast<std::uint8_t>(255 - i);
    }

    theLink.WriteMemory(written.data(), 128, 0x0080);
    ASSERT_FALSE(theLink.m_bBusy);
    Block readBack{};
    theLink.ReadMemory(readBack.data(), 128, 0x0080);

    EXPECT_FALSE(theLink.m_bBusy);
    EXPECT_EQ(readBack, written);
    EXPECT_EQ(sim->Stop(), 0);
    const std::vector<std::uint8_t> memory = dump.Contents();
    ASSERT_EQ(memory.size(), 512U);
    EXPECT_TRUE(std::equal(written.begin(), written.end(), memory.begin() + 0x80));
    EXPECT_EQ(memory[0x7F], 0);
    EXPECT_EQ(memory[0x100], 0);
}

TEST_F(PtyLinkTest, TheModuleRecordsTheRestart) {
    StartSim({"--fast", "--exit-after-restart"});
    OpenCom1();

    theLink.RestartModule();

    EXPECT_EQ(sim->WaitForExit(5.0), 0);
    EXPECT_EQ(CountOf(sim->ErrorOutput(), "restart 1"), 1);
}

TEST_F(PtyLinkTest, SpoiledCheckBytesAreRetriedUntilAnIntactReplyComes) {
    StartSim({"--fast", "--log", "--bad-check-byte", "3:2"});
    OpenCom1();
    Block block;
    block.fill(0xEE);

    theLink.ReadMemory(block.data(), 128, 0x0100);

    EXPECT_FALSE(theLink.m_bBusy);
    EXPECT_EQ(block, Block{});
    sim->Stop();
    EXPECT_EQ(CountOf(sim->ErrorOutput(), "r addr=0x0100"), 3);
}

TEST_F(PtyLinkTest, ACheckByteSpoiledEveryTimeFailsAfterEightTries) {
    StartSim({"--fast", "--log", "--bad-check-byte", "1:8"});
    OpenCom1();
    Block block;
    block.fill(0xEE);

    theLink.ReadMemory(block.data(), 128, 0x0000);

    EXPECT_TRUE(theLink.m_bBusy);
    EXPECT_TRUE(std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == 0xEE; }));
    sim->Stop();
    EXPECT_EQ(CountOf(sim->ErrorOutput(), "r addr=0x0000"), 8);
}

TEST_F(PtyLinkTest, AReplyOneByteShortIsWaitedOutAndRetried) {
    StartSim({"--fast", "--short-reply", "2:1"});
    OpenCom1();
    Block block{};
    const Clock::time_point start = Clock::now();

    theLink.ReadMemory(block.data(), 128, 0x0080);

    EXPECT_FALSE(theLink.m_bBusy);
    EXPECT_GE(SecondsSince(start), 1.39);
}

TEST_F(PtyLinkTest, ASilentModuleIsNotConnectedAfterFourTries) {
    StartSim({"--silent"});
    OpenCom1();
    char version[11];
    const Clock::time_point start = Clock::now();

    EXPECT_FALSE(theLink.Connect(version));

    EXPECT_GE(SecondsSince(start), 4 * 0.96);
    EXPECT_LT(SecondsSince(start), 20.0);
    EXPECT_STREQ(version, "");
}

TEST_F(PtyLinkTest, NoiseAfterAWriteIsFlushedBeforeTheReadBack) {
    StartSim({"--fast", "--noise-after-write", "40"});
    OpenCom1();
    const std::uint8_t written[4] = {1, 2, 3, 4};
    std::uint8_t readBack[4] = {};

    theLink.WriteMemory(written, 4, 0x0010);
    theLink.FlushInput();
    theLink.ReadMemory(readBack, 4, 0x0010);

    EXPECT_FALSE(theLink.m_bBusy);
    EXPECT_TRUE(std::equal(std::begin(written), std::end(written), std::begin(readBack)));
}

TEST_F(PtyLinkTest, AModuleThatStoresAWrongByteIsCaughtByTheReadBack) {
    StartSim({"--fast", "--corrupt-write", "1:1"});
    OpenCom1();
    const std::uint8_t written[4] = {1, 2, 3, 4};
    std::uint8_t readBack[4] = {};

    theLink.WriteMemory(written, 4, 0x0010);
    theLink.ReadMemory(readBack, 4, 0x0010);
    EXPECT_FALSE(theLink.m_bBusy);
    EXPECT_FALSE(std::equal(std::begin(written), std::end(written), std::begin(readBack)));

    theLink.WriteMemory(written, 4, 0x0010);
    theLink.ReadMemory(readBack, 4, 0x0010);
    EXPECT_TRUE(std::equal(std::begin(written), std::end(written), std::begin(readBack)));
}

// The line drops while the next frame goes out: every transfer ends promptly with its failure.
TEST_F(PtyLinkTest, AHangUpMidFrameEndsTransfersWithTheirFailure) {
    StartSim({"--fast", "--hang-up-after", "1"});
    OpenCom1();
    char version[11];
    theLink.QueryVersion(version);
    ASSERT_FALSE(theLink.m_bBusy);
    ASSERT_EQ(sim->WaitForExit(0.0), -1);
    const Clock::time_point start = Clock::now();

    Block block{};
    theLink.ReadMemory(block.data(), 128, 0);
    EXPECT_TRUE(theLink.m_bBusy);
    EXPECT_GE(std::count(messageBoxes.begin(), messageBoxes.end(), "Write error"), 30);
    theLink.WriteMemory(block.data(), 128, 0);
    EXPECT_TRUE(theLink.m_bBusy);
    theLink.FlushInput();
    EXPECT_FALSE(theLink.Connect(version));

    EXPECT_LT(SecondsSince(start), 5.0);
    EXPECT_EQ(sim->WaitForExit(5.0), 0);
}

TEST_F(PtyLinkTest, AMissingPortDoesNotOpen) {
    ComPortMapping missing("/dev/grt8-no-such-port");

    EXPECT_FALSE(theLink.OpenPort('1'));
    EXPECT_EQ(g_hPort, nullptr);
}

TEST_F(PtyLinkTest, APortHeldByAnotherProgramDoesNotOpen) {
    StartSim({"--fast"});
    SerialPortOpenResult other = OpenSerialPortDevice(sim->path());
    ASSERT_NE(other.port, nullptr);

    EXPECT_FALSE(theLink.OpenPort('1'));

    other.port->Close();
    EXPECT_TRUE(theLink.OpenPort('1'));
}

} // namespace
