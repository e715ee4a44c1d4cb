#include "tools/sim_options.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

TEST(SimOptionsTest, ReadsFaultsAndRefusesMalformedValues) {
    const char* good[] = {"grt8-sim",        "--fast", "--bad-check-byte", "3:2",
                          "--hang-up-after", "5",      "--version",        "XYZ"};
    const sim::ParsedOptions parsed = sim::ParseOptions(8, good);
    ASSERT_TRUE(parsed.options);
    EXPECT_TRUE(parsed.options->fast);
    EXPECT_EQ(parsed.options->faults.badCheckByte.block, 3);
    EXPECT_EQ(parsed.options->faults.badCheckByte.times, 2);
    EXPECT_EQ(parsed.options->hangUpAfterFrames, 5);
    EXPECT_EQ(parsed.options->version, "XYZ");

    for (const char* bad : {"5:1", "0:1", "2", "2:x", "2:-1"}) {
        const char* argv[] = {"grt8-sim", "--short-reply", bad};
        EXPECT_FALSE(sim::ParseOptions(3, argv).options) << bad;
    }
    const char* missingValue[] = {"grt8-sim", "--memory"};
    EXPECT_FALSE(sim::ParseOptions(2, missingValue).options);
    const char* unknown[] = {"grt8-sim", "--frobnicate"};
    EXPECT_EQ(sim::ParseOptions(2, unknown).error, "unknown option --frobnicate");
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

TEST(SimCommandLineTest, AnnouncesTheTerminalTidiesUpAndRefusesWhatItCannotUse) {
    const std::string stem = "/tmp/grt8_sim_" + std::to_string(getpid());
    const std::string link = stem + "_link";
    const std::string ready = stem + "_ready";
    SimProcess sim(GRT8_SIM_PATH, {"--link", link, "--ready-file", ready});
    ASSERT_FALSE(sim.path().empty()) << sim.ErrorOutput();
    EXPECT_EQ(sim.path().rfind("/dev/", 0), 0U);
    EXPECT_EQ(FirstLineOf(ready), sim.path());
    EXPECT_EQ(LinkTarget(link), sim.path());
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(LinkTarget(link), "");

    std::ofstream(ready) << "keep me";
    SimProcess occupying(GRT8_SIM_PATH, {"--link", ready});
    EXPECT_EQ(occupying.WaitForExit(5.0), 1);
    EXPECT_EQ(FirstLineOf(ready), "keep me");

    SimProcess shortMemory(GRT8_SIM_PATH, {"--memory", ready});
    EXPECT_TRUE(shortMemory.path().empty());
    EXPECT_EQ(shortMemory.WaitForExit(5.0), 1);
    EXPECT_NE(shortMemory.ErrorOutput().find("512 bytes"), std::string::npos);
    std::remove(ready.c_str());
}

} // namespace
