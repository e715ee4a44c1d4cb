#include "tools/sim_frame_parser.h"
#include "tools/sim_options.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using sim::Request;
using sim::RequestKind;

// Frames hold zero bytes, so they are spelled out byte by byte.
std::string Spelled(std::initializer_list<int> values) {
    return {values.begin(), values.end()};
}

std::vector<Request> FeedAll(sim::FrameParser& parser, const std::string& bytes) {
    std::vector<Request> requests;
    for (char byte : bytes) {
        if (std::optional<Request> request = parser.Feed(static_cast<std::uint8_t>(byte))) {
            requests.push_back(*request);
        }
    }
    return requests;
}

std::string Described(const std::vector<Request>& requests) {
    std::string text;
    for (const Request& request : requests) {
        text += "kind" + std::to_string(static_cast<int>(request.kind)) + " @" +
                std::to_string(request.address) + " #" + std::to_string(request.length) + " [" +
                std::string(request.data.begin(), request.data.end()) + "] ";
    }
    return text;
}

// Inside a write frame every byte is data; garbage is skipped, and a broken frame starts again
// at the byte that broke it.
TEST(SimFrameParserTest, RecognisesRequestsAndResyncsAfterGarbage) {
    sim::FrameParser parser;
    const std::string bytes = Spelled({'w', 0x01, 0x80, 6, '\r'}) + "vrx!\r\n" +
                              Spelled({'r', 0x00, 0x03, 0x83, '\r', 'w', 0, 0x10, 0, '\r'}) +
                              "x!!!\r" + "zz" + Spelled({'r', 0, 0, 4, 'v'}) + "x!" +
                              Spelled({'r', 0, 0, 1, '\r'}) + "x!!v";
    EXPECT_EQ(Described(FeedAll(parser, bytes)),
              "kind0 @384 #6 [vrx!\r\n] kind1 @3 #131 [] kind0 @16 #0 [] kind3 @0 #0 [] "
              "kind2 @0 #0 [] kind1 @0 #1 [] kind2 @0 #0 [] ");
    EXPECT_EQ(parser.DiscardedBytes(), 2U + 4U + 2U + 3U);

    for (const std::string& prefix : {Spelled({}), Spelled({'w'}), Spelled({'w', 1, 2, 3, '\r'}),
                                      Spelled({'r', 1}), Spelled({'x', '!', '!'})}) {
        for (int value = 0; value < 256; ++value) {
            sim::FrameParser fresh;
            FeedAll(fresh, prefix + static_cast<char>(value));
            const std::vector<Request> after = FeedAll(fresh, std::string("\rzzzz") + "v");
            ASSERT_FALSE(after.empty()) << "prefix " << prefix << " byte " << value;
            EXPECT_EQ(after.back().kind, RequestKind::Version);
        }
    }
}

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
