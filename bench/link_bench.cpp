// Times the module link against grt8-sim on a pseudo-terminal, with the simulator pacing its
// replies like a 1200-baud line, and compares each exchange with the least time the protocol
// allows for it.

#include "bench/byte_start_recorder.h"
#include "link/module_link.h"
#include "platform/clock.h"
#include "tools/sim_process.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 3;
constexpr double kPacingGapMs = 10.0;
constexpr double kLateGapMs = 10.5;
constexpr double kCharacterMs = 10.0 / 1200 * 1000;
constexpr double kVersionSleepMs = 20.0;
constexpr double kVersionReadTimeoutMs = 10 * 10 + 100;

struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

struct ExchangeResult {
    std::string name;
    double floorMs = 0;
    double worstRatio = 0;
    std::vector<double> linkGapsMs;
    std::vector<double> simMediansMs;
};

std::optional<Spread> SpreadOf(std::vector<double> values) {
    if (values.empty()) {
        return std::nullopt;
    }
    std::sort(values.begin(), values.end());
    return Spread{values.front(), values[values.size() / 2], values.back()};
}

double MillisecondsBetween(std::int64_t from, std::int64_t to) {
    return static_cast<double>(to - from) * 1000.0 /
           static_cast<double>(MonotonicCounterFrequency());
}

std::vector<double> GapsMs(const std::vector<std::int64_t>& starts) {
    std::vector<double> gaps;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        gaps.push_back(MillisecondsBetween(starts[i - 1], starts[i]));
    }
    return gaps;
}

// The median gap the simulator saw between the bytes of the last frame of this kind it logged.
std::optional<double> SimMedianGapMs(const std::string& log, const std::string& frameKind) {
    const std::size_t line = log.rfind("grt8-sim: " + frameKind + " ");
    const std::size_t gaps = line == std::string::npos ? line : log.find("gaps_us=", line);
    if (gaps == std::string::npos || gaps > log.find('\n', line)) {
        return std::nullopt;
    }
    double min = 0;
    double median = 0;
    double max = 0;
    if (std::sscanf(log.c_str() + gaps, "gaps_us=%lf/%lf/%lf", &min, &median, &max) != 3) {
        return std::nullopt;
    }
    return median / 1000.0;
}

// Runs one exchange and adds its time, the link's byte gaps and the simulator's view to `result`.
void Measure(ExchangeResult& result, ByteStartRecorder& recorder, const SimProcess& sim,
             const std::string& frameKind, const std::function<void()>& exchange) {
    recorder.byteStarts.clear();
    const std::int64_t start = MonotonicCounter();
    exchange();
    const double elapsedMs = MillisecondsBetween(start, MonotonicCounter());
    if (theLink.m_bBusy) {
        std::fprintf(stderr, "%s failed\n", result.name.c_str());
    }
    result.worstRatio = std::max(result.worstRatio, elapsedMs / result.floorMs);
    const std::vector<double> gaps = GapsMs(recorder.byteStarts);
    result.linkGapsMs.insert(result.linkGapsMs.end(), gaps.begin(), gaps.end());
    if (const std::optional<double> simMedian = SimMedianGapMs(sim.ErrorOutput(), frameKind)) {
        result.simMediansMs.push_back(*simMedian);
    }
    theLink.FlushInput();
}

void PrintSpread(const std::optional<Spread>& spread) {
    if (spread) {
        std::printf("  %6.3f / %6.3f / %6.3f", spread->min, spread->median, spread->max);
    } else {
        std::printf("  %-24s", "-");
    }
}

void PrintLateGaps(const std::vector<double>& gapsMs) {
    const auto late =
        std::count_if(gapsMs.begin(), gapsMs.end(), [](double gap) { return gap >= kLateGapMs; });
    const std::string count =
        gapsMs.empty() ? "-" : std::to_string(late) + "/" + std::to_string(gapsMs.size());
    std::printf("  %-9s", count.c_str());
}

bool Report(const std::vector<ExchangeResult>& results) {
    std::printf("%-22s %9s %7s  %-24s  %-9s  %s\n", "exchange", "floor ms", "ratio",
                "link gaps min/med/max ms", ">10.5 ms", "sim median gap ms");
    bool met = true;
    for (const ExchangeResult& result : results) {
        std::printf("%-22s %9.1f %7.4f", result.name.c_str(), result.floorMs, result.worstRatio);
        const std::optional<Spread> gaps = SpreadOf(result.linkGapsMs);
        PrintSpread(gaps);
        PrintLateGaps(result.linkGapsMs);
        const std::optional<Spread> simGaps = SpreadOf(result.simMediansMs);
        if (simGaps) {
            std::printf("  %6.3f", simGaps->median);
        }
        std::printf("\n");
        met =
            met && result.worstRatio <= 1.02 && (!gaps || (gaps->min >= 10.0 && gaps->max < 10.5));
    }
    std::printf("ratio = worst of %d rounds of measured time / floor; goal: ratio <= 1.02, "
                "gaps >= 10.0 ms and < 10.5 ms: %s\n",
                kRounds, met ? "met" : "NOT met");
    return met;
}

} // namespace

int main() {
    SimProcess sim(GRT8_SIM_PATH, {"--log"});
    if (sim.path().empty()) {
        std::fprintf(stderr, "grt8-sim did not start: %s\n", sim.ErrorOutput().c_str());
        return 1;
    }
    ByteStartRecorder recorder;
    UseSerialPortSystem(&recorder);
    char version[11];
    if (!theLink.OpenPortAt(sim.path()) || !theLink.Connect(version)) {
        std::fprintf(stderr, "no contact with grt8-sim on %s\n", sim.path().c_str());
        return 1;
    }

    std::array<std::uint8_t, 131> block{};
    std::iota(block.begin(), block.end(), std::uint8_t{7});
    std::array<std::uint8_t, 128> readBack{};
    std::vector<ExchangeResult> results = {
        {"write frame, 131 bytes", 136 * kPacingGapMs, 0, {}, {}},
        {"read, 128 bytes", 4 * kPacingGapMs + 129 * kCharacterMs, 0, {}, {}},
        {"version query", kVersionSleepMs + kVersionReadTimeoutMs, 0, {}, {}},
    };
    for (int round = 0; round < kRounds; ++round) {
        Measure(results[0], recorder, sim, "w",
                [&] { theLink.WriteMemory(block.data(), 131, 0x0003); });
        Measure(results[1], recorder, sim, "r",
                [&] { theLink.ReadMemory(readBack.data(), 128, 0x0000); });
        Measure(results[2], recorder, sim, "v", [&] { theLink.QueryVersion(version); });
    }
    theLink.ClosePort();
    UseSerialPortSystem(nullptr);
    std::printf("module %s on %s\n", version, sim.path().c_str());
    Report(results);
    return 0;
}
