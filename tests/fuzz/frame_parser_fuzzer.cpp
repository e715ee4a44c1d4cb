// The simulated module's frame parser, fed whatever a noisy line may send: every byte is
// accounted for as part of a frame or as discarded, and after a stretch that starts no frame the
// parser takes the next frame as it stands. The link's fuzz target checks it against the
// console's own frames.

#include "fuzz_require.h"
#include "link/module_frames.h"
#include "tools/sim_frame_parser.h"

namespace {

// A write frame waiting for its data takes up to 255 bytes, a broken header up to four more.
constexpr std::size_t kBytesToIdle = kMaxFrameLength + 4;
constexpr std::uint8_t kByteStartingNoFrame = 0x00;

class Parser {
public:
    std::optional<sim::Request> Feed(std::uint8_t byte) {
        ++m_fed;
        std::optional<sim::Request> request = m_parser.Feed(byte);
        if (request) {
            const bool write = request->kind == sim::RequestKind::WriteMemory;
            m_inFrames += request->kind == sim::RequestKind::Version ? 1
                          : request->kind == sim::RequestKind::Restart
                              ? kRestartFrame.size()
                              : MemoryFrameHeader{}.size() + (write ? request->length : 0U);
        }
        return request;
    }

    bool AccountsForEveryByte() const { return m_inFrames + m_parser.DiscardedBytes() == m_fed; }

private:
    sim::FrameParser m_parser;
    std::uint64_t m_fed = 0;
    std::uint64_t m_inFrames = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Parser parser;
    for (std::size_t i = 0; i < size + kBytesToIdle; ++i) {
        parser.Feed(i < size ? data[i] : kByteStartingNoFrame);
    }
    Require(parser.AccountsForEveryByte());
    const std::optional<sim::Request> version = parser.Feed(kVersionCommand);
    Require(version && version->kind == sim::RequestKind::Version);
    Require(parser.AccountsForEveryByte());
    return 0;
}
