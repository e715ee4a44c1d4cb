// The simulated module's frame parser and the module behind it, fed whatever a console or a
// noisy line may send.

#include "fuzz_require.h"
#include "tools/sim_frame_parser.h"
#include "tools/sim_module.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace {

constexpr std::size_t kMemoryHeaderBytes = 5;
constexpr std::size_t kRestartFrameBytes = 5;
// A write frame waiting for its data swallows up to 255 bytes, and a broken header or restart
// needs up to four more before it is dropped: this many bytes that start no frame bring the
// parser back to waiting for one, whatever came before.
constexpr std::size_t kBytesToIdle = 255 + 4;
constexpr std::uint8_t kByteStartingNoFrame = 0x00;
constexpr std::uint8_t kVersionCommand = 'v';
const std::string kVersionText = "G8v9.99";

std::size_t FrameBytes(const sim::Request& request) {
    switch (request.kind) {
    case sim::RequestKind::WriteMemory:
        return kMemoryHeaderBytes + request.length;
    case sim::RequestKind::ReadMemory:
        return kMemoryHeaderBytes;
    case sim::RequestKind::Version:
        return 1;
    case sim::RequestKind::Restart:
        return kRestartFrameBytes;
    }
    return 0;
}

std::uint8_t SumOf(const std::vector<std::uint8_t>& bytes) {
    return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0U));
}

// What a healthy module answers is fixed by the request alone.
void CheckAnswer(sim::SimulatedModule& module, const sim::Request& request) {
    const std::vector<std::uint8_t> reply = module.Answer(request);
    switch (request.kind) {
    case sim::RequestKind::WriteMemory: {
        Require(request.data.size() == request.length);
        Require(reply.empty());
        const sim::Request readBack{
            sim::RequestKind::ReadMemory, request.address, request.length, {}};
        const std::vector<std::uint8_t> stored = module.Answer(readBack);
        Require(std::equal(request.data.begin(), request.data.end(), stored.begin()));
        break;
    }
    case sim::RequestKind::ReadMemory:
        Require(request.data.empty());
        Require(reply.size() == request.length + 1U);
        Require(SumOf(reply) == 0);
        break;
    case sim::RequestKind::Version:
        Require(std::string(reply.begin(), reply.end()) == kVersionText);
        break;
    case sim::RequestKind::Restart:
        Require(reply.empty());
        break;
    }
}

class CountingParser {
public:
    void Feed(std::uint8_t byte) {
        ++m_fed;
        if (const std::optional<sim::Request> request = m_parser.Feed(byte)) {
            m_inRequests += FrameBytes(*request);
            m_lastKind = request->kind;
            ++m_requests;
            CheckAnswer(m_module, *request);
        }
    }

    // Once the parser is idle every byte fed is in a request or counted as discarded.
    bool AccountsForEveryByte() const { return m_inRequests + m_parser.DiscardedBytes() == m_fed; }
    std::size_t requests() const { return m_requests; }
    sim::RequestKind lastKind() const { return m_lastKind; }

private:
    sim::FrameParser m_parser;
    sim::SimulatedModule m_module{sim::Memory{}, kVersionText, sim::Faults{}};
    std::uint64_t m_fed = 0;
    std::uint64_t m_inRequests = 0;
    std::size_t m_requests = 0;
    sim::RequestKind m_lastKind = sim::RequestKind::Version;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CountingParser parser;
    for (std::size_t i = 0; i < size; ++i) {
        parser.Feed(data[i]);
    }
    for (std::size_t i = 0; i < kBytesToIdle; ++i) {
        parser.Feed(kByteStartingNoFrame);
    }
    Require(parser.AccountsForEveryByte());

    const std::size_t before = parser.requests();
    parser.Feed(kVersionCommand);
    Require(parser.requests() == before + 1);
    Require(parser.lastKind() == sim::RequestKind::Version);
    Require(parser.AccountsForEveryByte());
    return 0;
}
