// grt8-sim's command line: what it refuses, and what it leaves behind when it stops.
#include "tests/core/temporary_folder.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

TEST(SimCommandLine, RefusesMalformedValuesAndRemovesItsLinkOnExit) {
    TemporaryFolder folder;
    const std::string file = (folder / "four").string(), link = (folder / "com1").string();
    std::ofstream(file) << "keep";
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--short-reply", "5:1"}, "bad value for --short-reply"},
        {{"--bad-check-byte", "2"}, "bad value for --bad-check-byte"},
        {{"--corrupt-write", "2:-1"}, "bad value for --corrupt-write"},
        {{"--hang-up-after", "3x"}, "bad value for --hang-up-after"},
        {{"--fast", "--memory"}, "--memory needs a value"},
        {{"--memory", file}, file + " is not a readable file of 512 bytes"},
        {{"--link", file}, file + " exists and is not a symbolic link"},
    };
    for (const auto& [options, message] : refused) {
        SimProcess sim(GRT8_SIM_PATH, options);
        EXPECT_EQ(sim.WaitForExit(5.0), 1) << message;
        EXPECT_TRUE(sim.ErrorOutput().ends_with("grt8-sim: " + message + "\n")) << message;
    }
    EXPECT_EQ(ReadAllBytes(file), (std::vector<unsigned char>{'k', 'e', 'e', 'p'}));

    // The ready file names the terminal, and the link to it goes when the simulator stops.
    SimProcess sim(GRT8_SIM_PATH, {"--link", link, "--ready-file", folder / "ready"});
    std::ifstream ready(folder / "ready");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ready), {}), sim.path() + "\n");
    EXPECT_EQ(std::filesystem::read_symlink(link), sim.path());
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}
