// Times the console's three module operations against grt8-sim, with the simulator pacing its
// replies like a 1200-baud line, and compares each with the least time the protocol allows: the
// quiet-line flushes, the paced frames, the designed sleeps and the replies' time on the line.
// It also gives the smallest gap between the starts of two bytes the link wrote.

#include "bench/bench_port.h"
#include "bench/byte_start_recorder.h"
#include "config/config_image.h"
#include "link/module_link.h"
#include "operations/module_version.h"
#include "operations/read_configuration.h"
#include "operations/send_configuration.h"
#include "platform/clock.h"
#include "platform/message_box.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr double kQuietFlushMs = 740;
constexpr double kPacedByteMs = 10;
constexpr double kCharacterMs = 10.0 / 1200 * 1000;
constexpr double kConnectMs = kQuietFlushMs + 20 + 200;
// The module answers once the command's last byte has crossed the line: four paced bytes, then
// the carriage return and the 129 bytes of the reply at line speed. A pseudo-terminal carries
// the carriage return at once, so a read there can end slightly under this floor.
constexpr double kReadBackMs = 4 * kPacedByteMs + (1 + 129) * kCharacterMs;
constexpr double kRestartMs = 5 * 20;

constexpr double kReadFloorMs = kConnectMs + 4 * (kQuietFlushMs + kReadBackMs);
constexpr double kSendFloorMs =
    kConnectMs + kQuietFlushMs + (136 * kPacedByteMs + 2 * kQuietFlushMs + kReadBackMs) +
    3 * (133 * kPacedByteMs + 2 * kQuietFlushMs + kReadBackMs) + kRestartMs;

class SilentLog : public OperationLog {
public:
    void ClearLogPane() override {}
    void ClearLogPaneAndText() override {}
    void AppendToLogPane(const std::string&) override {}
};

double TimeMs(const std::function<bool()>& operation, bool& succeeded) {
    const auto start = std::chrono::steady_clock::now();
    succeeded = operation();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

bool Report(const char* name, double floorMs, const std::function<bool()>& operation) {
    bool succeeded = false;
    const double tookMs = TimeMs(operation, succeeded);
    std::printf("%-8s %9.0f ms  floor %8.0f ms  ratio %.4f%s\n", name, tookMs, floorMs,
                tookMs / floorMs, succeeded ? "" : "  FAILED");
    return succeeded;
}

// Gaps between frames are long, and the bytes the link sends with a sleep after each (the
// version command, the restart frame) keep the start of the paced byte before them: only the
// shortest gap between two different starts says whether the pacing holds.
double SmallestGapMs(const std::vector<std::int64_t>& starts) {
    std::int64_t smallest = INT64_MAX;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        if (starts[i] != starts[i - 1]) {
            smallest = std::min(smallest, starts[i] - starts[i - 1]);
        }
    }
    return static_cast<double>(smallest) * 1000.0 /
           static_cast<double>(MonotonicCounterFrequency());
}

} // namespace

int main(int argc, char** argv) {
    SetMessageBoxHandler(
        [](const std::string& text) { std::printf("message: %s\n", text.c_str()); });
    const std::optional<ModulePort> port = BenchPort(argc, argv);
    if (!port) {
        return 2;
    }
    ByteStartRecorder recorder;
    UseSerialPortSystem(&recorder);
    SilentLog log;
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7);
    }
    const bool allSucceeded =
        Report("version", kConnectMs,
               [&] { return ShowModuleVersion(theLink, *port, log).Completed(); }) &
        Report("send", kSendFloorMs,
               [&] { return SendConfiguration(theLink, image, *port, log).Completed(); }) &
        Report("read", kReadFloorMs, [&] {
            return ReadConfiguration(theLink, image, *port, log, std::nullopt).Completed();
        });
    UseSerialPortSystem(nullptr);
    std::printf("smallest gap between byte starts: %.3f ms over %zu bytes\n",
                SmallestGapMs(recorder.byteStarts), recorder.byteStarts.size());
    return allSucceeded ? 0 : 1;
}
