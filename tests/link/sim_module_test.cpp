#include "tools/sim_module.h"
#include "tools/sim_options.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using sim::Request;
using sim::RequestKind;
using sim::SimulatedModule;

sim::Memory CountingMemory() {
    sim::Memory memory;
    std::iota(memory.begin(), memory.end(), std::uint8_t{0});
    return memory;
}

Request ReadOf(std::uint16_t address, std::uint8_t length) {
    return {RequestKind::ReadMemory, address, length, {}};
}

Request WriteOf(std::uint16_t address, std::vector<std::uint8_t> data) {
    const auto length = static_cast<std::uint8_t>(data.size());
    return {RequestKind::WriteMemory, address, length, std::move(data)};
}

unsigned SumOf(const std::vector<std::uint8_t>& bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), 0U) % 256;
}

TEST(SimModuleTest, ReadRepliesCarryTheDataAndAZeroSumCheckByte) {
    SimulatedModule module(CountingMemory(), "G8v1", {});

    const std::vector<std::uint8_t> reply = module.Answer(ReadOf(0x0180, 128));

    ASSERT_EQ(reply.size(), 129U);
    EXPECT_EQ(reply[0], 0x80);
    EXPECT_EQ(reply[127], 0xFF);
    EXPECT_EQ(SumOf(reply), 0U);
}

TEST(SimModuleTest, WritesLandAtTheirAddressAndWrapAroundTheMemory) {
    SimulatedModule module(sim::Memory{}, "G8v1", {});

    EXPECT_TRUE(module.Answer(WriteOf(0x01FE, {1, 2, 3, 4})).empty());

    EXPECT_EQ(module.memory()[0x1FE], 1);
    EXPECT_EQ(module.memory()[0x1FF], 2);
    EXPECT_EQ(module.memory()[0x000], 3);
    EXPECT_EQ(module.memory()[0x001], 4);
}

TEST(SimModuleTest, AnswersTheVersionAndCountsRestarts) {
    SimulatedModule module(sim::Memory{}, "G8v9.99-long", {});

    const std::vector<std::uint8_t> version = module.Answer({RequestKind::Version, 0, 0, {}});
    EXPECT_EQ(std::string(version.begin(), version.end()), "G8v9.99-long");
    EXPECT_TRUE(module.Answer({RequestKind::Restart, 0, 0, {}}).empty());
    module.Answer({RequestKind::Restart, 0, 0, {}});
    EXPECT_EQ(module.restarts(), 2);
}

TEST(SimModuleTest, ReadFaultsHitOnlyTheFirstReadsOfTheirBlock) {
    sim::Faults faults;
    faults.badCheckByte = {2, 2};
    faults.shortReply = {4, 1};
    SimulatedModule module(CountingMemory(), "G8v1", faults);

    EXPECT_EQ(SumOf(module.Answer(ReadOf(0x0000, 128))), 0U);
    EXPECT_NE(SumOf(module.Answer(ReadOf(0x0080, 128))), 0U);
    EXPECT_NE(SumOf(module.Answer(ReadOf(0x00FF, 1))), 0U);
    EXPECT_EQ(SumOf(module.Answer(ReadOf(0x0080, 128))), 0U);
    EXPECT_EQ(module.Answer(ReadOf(0x0180, 128)).size(), 128U);
    EXPECT_EQ(module.Answer(ReadOf(0x0180, 128)).size(), 129U);
}

TEST(SimModuleTest, CorruptWritesStoreOneWrongByteForTheirFirstWrites) {
    sim::Faults faults;
    faults.corruptWrite = {1, 1};
    SimulatedModule module(sim::Memory{}, "G8v1", faults);
    const std::vector<std::uint8_t> data(131, 0x42);

    module.Answer(WriteOf(0x0003, data));
    const auto wrong = [&] {
        return std::count_if(module.memory().begin() + 3, module.memory().begin() + 134,
                             [](std::uint8_t b) { return b != 0x42; });
    };
    EXPECT_EQ(wrong(), 1);
    module.Answer(WriteOf(0x0003, data));
    EXPECT_EQ(wrong(), 0);
}

TEST(SimModuleTest, SilenceAndNoiseAreFaultsToo) {
    sim::Faults noisy;
    noisy.noiseAfterWrite = 12;
    SimulatedModule chatty(sim::Memory{}, "G8v1", noisy);
    EXPECT_EQ(chatty.Answer(WriteOf(0, {1})).size(), 12U);

    sim::Faults quiet;
    quiet.silent = true;
    SimulatedModule silent(sim::Memory{}, "G8v1", quiet);
    EXPECT_TRUE(silent.Answer({RequestKind::Version, 0, 0, {}}).empty());
    EXPECT_TRUE(silent.Answer(ReadOf(0, 128)).empty());
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

} // namespace
