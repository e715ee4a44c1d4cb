#include "tools/sim_frame_parser.h"

#include <utility>

namespace sim {

namespace {

constexpr std::uint8_t kCarriageReturn = '\r';
constexpr std::size_t kMemoryHeaderBytes = 5;
constexpr char kRestartText[] = "x!!!\r";
constexpr std::size_t kRestartBytes = sizeof kRestartText - 1;

} // namespace

std::optional<Request> FrameParser::Feed(std::uint8_t byte) {
    switch (m_state) {
    case State::Idle:
        return StartFrame(byte);
    case State::MemoryHeader:
        return ContinueHeader(byte);
    case State::WriteData:
        return ContinueData(byte);
    case State::Restart:
        return ContinueRestart(byte);
    }
    return std::nullopt;
}

std::optional<Request> FrameParser::StartFrame(std::uint8_t byte) {
    if (byte == 'v') {
        return Request{RequestKind::Version, 0, 0, {}};
    }
    if (byte == 'w' || byte == 'r') {
        m_state = State::MemoryHeader;
    } else if (byte == 'x') {
        m_state = State::Restart;
    } else {
        ++m_discarded;
        return std::nullopt;
    }
    m_frame.assign(1, byte);
    return std::nullopt;
}

std::optional<Request> FrameParser::ContinueHeader(std::uint8_t byte) {
    if (m_frame.size() == kMemoryHeaderBytes - 1 && byte != kCarriageReturn) {
        return DropFrameAndRestartAt(byte);
    }
    m_frame.push_back(byte);
    if (m_frame.size() < kMemoryHeaderBytes) {
        return std::nullopt;
    }
    m_request = Request{m_frame[0] == 'w' ? RequestKind::WriteMemory : RequestKind::ReadMemory,
                        static_cast<std::uint16_t>(m_frame[1] << 8 | m_frame[2]),
                        m_frame[3],
                        {}};
    m_frame.clear();
    if (m_request.kind == RequestKind::WriteMemory && m_request.length > 0) {
        m_state = State::WriteData;
        return std::nullopt;
    }
    m_state = State::Idle;
    return m_request;
}

std::optional<Request> FrameParser::ContinueData(std::uint8_t byte) {
    m_request.data.push_back(byte);
    if (m_request.data.size() < m_request.length) {
        return std::nullopt;
    }
    m_state = State::Idle;
    return std::move(m_request);
}

std::optional<Request> FrameParser::ContinueRestart(std::uint8_t byte) {
    if (byte != static_cast<std::uint8_t>(kRestartText[m_frame.size()])) {
        return DropFrameAndRestartAt(byte);
    }
    m_frame.push_back(byte);
    if (m_frame.size() < kRestartBytes) {
        return std::nullopt;
    }
    m_frame.clear();
    m_state = State::Idle;
    return Request{RequestKind::Restart, 0, 0, {}};
}

std::optional<Request> FrameParser::DropFrameAndRestartAt(std::uint8_t byte) {
    m_discarded += m_frame.size();
    m_frame.clear();
    m_state = State::Idle;
    return StartFrame(byte);
}

} // namespace sim
