#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string UniquePath(const char* stem) {
    return std::string("/tmp/") + stem + std::to_string(getpid());
}

std::string FirstLineOf(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

std::string LinkTarget(const std::string& path) {
    char target[256];
    const ssize_t length = readlink(path.c_str(), target, sizeof target);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

TEST(SimCommandLineTest, AnnouncesTheTerminalEverywhereAskedAndTidiesUpOnStop) {
    const std::string link = UniquePath("grt8_com_link_");
    const std::string ready = UniquePath("grt8_sim_ready_");
    SimProcess sim(GRT8_SIM_PATH, {"--link", link, "--ready-file", ready});
    ASSERT_FALSE(sim.path().empty()) << sim.ErrorOutput();

    EXPECT_EQ(sim.path().rfind("/dev/", 0), 0U);
    EXPECT_EQ(FirstLineOf(ready), sim.path());
    EXPECT_EQ(LinkTarget(link), sim.path());

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(LinkTarget(link), "");
    std::remove(ready.c_str());
}

TEST(SimCommandLineTest, RefusesAMemoryFileThatIsNot512Bytes) {
    const std::string memory = UniquePath("grt8_short_memory_");
    std::ofstream(memory) << "too short";
    SimProcess sim(GRT8_SIM_PATH, {"--memory", memory});

    EXPECT_TRUE(sim.path().empty());
    EXPECT_EQ(sim.WaitForExit(5.0), 1);
    EXPECT_NE(sim.ErrorOutput().find("512 bytes"), std::string::npos);
    std::remove(memory.c_str());
}

TEST(SimCommandLineTest, RefusesToReplaceAFileThatIsNotALink) {
    const std::string occupied = UniquePath("grt8_occupied_");
    std::ofstream(occupied) << "keep me";
    SimProcess sim(GRT8_SIM_PATH, {"--link", occupied});

    EXPECT_EQ(sim.WaitForExit(5.0), 1);
    EXPECT_EQ(FirstLineOf(occupied), "keep me");
    std::remove(occupied.c_str());
}

} // namespace
