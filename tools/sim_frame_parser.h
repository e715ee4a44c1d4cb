#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

enum class RequestKind { WriteMemory, ReadMemory, Version, Restart };

struct Request {
    RequestKind kind = RequestKind::Version;
    std::uint16_t address = 0;
    std::uint8_t length = 0;
    std::vector<std::uint8_t> data;
};

// Splits what the console sends into the module's requests, one byte at a time:
//   'w' addrHi addrLo len CR data[len]   'r' addrHi addrLo len CR   'v'   'x' '!' '!' '!' CR
// Anything else is skipped. A memory header whose fifth byte is not CR, or a restart that
// breaks off, is dropped and parsing starts again at the byte that broke it, so any input,
// however garbled, leaves the parser ready again after at most 259 bytes that start no frame
// (garbage ending in a valid write header takes up to 255 bytes after it as data).
class FrameParser {
public:
    std::optional<Request> Feed(std::uint8_t byte);
    // Bytes that were skipped or belonged to dropped frames.
    std::uint64_t DiscardedBytes() const { return m_discarded; }

private:
    enum class State { Idle, MemoryHeader, WriteData, Restart };

    std::optional<Request> StartFrame(std::uint8_t byte);
    std::optional<Request> ContinueHeader(std::uint8_t byte);
    std::optional<Request> ContinueData(std::uint8_t byte);
    std::optional<Request> ContinueRestart(std::uint8_t byte);
    std::optional<Request> DropFrameAndRestartAt(std::uint8_t byte);

    State m_state = State::Idle;
    std::vector<std::uint8_t> m_frame;
    Request m_request;
    std::uint64_t m_discarded = 0;
};

} // namespace sim
