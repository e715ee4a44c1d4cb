// The simulated module's frame parser and the module behind it, fed whatever a console or a
// noisy line may send, then the console's own frames: every byte is accounted for as part of a
// frame or as discarded, and after a stretch that starts no frame the parser takes the frames
// the console builds exactly as they were built. A read is answered with its bytes and a check
// byte that holds.

#include "fuzz_require.h"
#include "link/module_frames.h"
#include "tools/sim_module.h"

#include <algorithm>
#include <span>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A write frame waiting for its data takes up to 255 bytes, a broken header up to four more.
constexpr std::size_t kBytesToIdle = kMaxFrameLength + 4;

class Module {
public:
    void Feed(std::span<const std::uint8_t> bytes) {
        for (const std::uint8_t byte : bytes) {
            if (std::optional<sim::Request> request = m_parser.Feed(byte)) {
                const Bytes answer = m_module.Answer(*request);
                const bool read = request->kind == sim::RequestKind::ReadMemory;
                Require(!read || (answer.size() == request->length + 1U &&
                                  SumOfBytes(answer.data(), answer.size()) == 0));
                requests.push_back(std::move(*request));
            }
        }
        m_fed += bytes.size();
    }

    bool AccountsForEveryByte() const {
        std::uint64_t inFrames = m_parser.DiscardedBytes();
        for (const sim::Request& request : requests) {
            const bool memory = request.kind == sim::RequestKind::WriteMemory ||
                                request.kind == sim::RequestKind::ReadMemory;
            const bool version = request.kind == sim::RequestKind::Version;
            inFrames += memory    ? MemoryFrameHeader{}.size() + request.data.size()
                        : version ? 1
                                  : kRestartFrame.size();
        }
        return inFrames == m_fed;
    }

    std::vector<sim::Request> requests;

private:
    sim::FrameParser m_parser;
    sim::SimulatedModule m_module{sim::Memory{}, "G8v9.99", sim::Faults{}};
    std::uint64_t m_fed = 0;
};

bool Same(const sim::Request& a, const sim::Request& b) {
    return a.kind == b.kind && a.address == b.address && a.length == b.length && a.data == b.data;
}

// A write of the input's first bytes at the address its first two give, the read of them, a
// version query and a restart.
void CheckConsoleFrames(Module& module, std::span<const std::uint8_t> input) {
    const int address = input.size() < 2 ? 0 : input[0] << 8 | input[1];
    const Bytes data(input.begin(),
                     input.begin() + std::min<std::ptrdiff_t>(input.size(), kMaxFrameLength));
    const int length = static_cast<int>(data.size());
    const MemoryFrameHeader write = MakeMemoryFrameHeader(kWriteMemoryCommand, length, address);
    const MemoryFrameHeader read = MakeMemoryFrameHeader(kReadMemoryCommand, length, address);
    Bytes frames(write.begin(), write.end());
    frames.insert(frames.end(), data.begin(), data.end());
    frames.insert(frames.end(), read.begin(), read.end());
    frames.push_back(kVersionCommand);
    frames.insert(frames.end(), kRestartFrame.begin(), kRestartFrame.end());
    const std::size_t before = module.requests.size();
    module.Feed(frames);

    const auto at = static_cast<std::uint16_t>(address);
    const auto size = static_cast<std::uint8_t>(length);
    const sim::Request expected[] = {{sim::RequestKind::WriteMemory, at, size, data},
                                     {sim::RequestKind::ReadMemory, at, size, {}},
                                     {sim::RequestKind::Version, 0, 0, {}},
                                     {sim::RequestKind::Restart, 0, 0, {}}};
    Require(std::equal(module.requests.begin() + static_cast<std::ptrdiff_t>(before),
                       module.requests.end(), std::begin(expected), std::end(expected), Same));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Module module;
    module.Feed(std::span(data, size));
    module.Feed(Bytes(kBytesToIdle, 0));
    Require(module.AccountsForEveryByte());
    CheckConsoleFrames(module, std::span(data, size));
    Require(module.AccountsForEveryByte());
    return 0;
}
