#include "link_line_model.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kReadTries = 8;
constexpr int kConnectTries = 4;
constexpr std::size_t kVersionBytes = 10;
constexpr std::size_t kFlushBytes = 64;
constexpr int kLongestFrame = 255;
constexpr std::uint8_t kWriteCommand = 'w';
constexpr std::uint8_t kReadCommand = 'r';
constexpr std::uint8_t kVersionCommand = 'v';
constexpr std::uint8_t kCarriageReturn = '\r';
const Bytes kRestartFrame = {'x', '!', '!', '!', '\r'};
const Bytes kVersionPrefix = {'G', '8', 'v'};

bool FitsInFrame(int length) {
    return length >= 0 && length <= kLongestFrame;
}

} // namespace

Bytes ReplyScript::Next() {
    if (m_chunks.empty()) {
        return {};
    }
    Bytes chunk = std::move(m_chunks.front());
    m_chunks.pop_front();
    return chunk;
}

Bytes MemoryFrameHeader(std::uint8_t command, int length, int address) {
    return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length & 0xFF),
            kCarriageReturn};
}

LinkLineModel::LinkLineModel(std::deque<std::uint8_t> waiting, ReplyScript script)
    : m_waiting(std::move(waiting)), m_script(std::move(script)) {}

bool LinkLineModel::Write(std::uint8_t byte) {
    if (m_writesFail) {
        return false;
    }
    m_sent.push_back(byte);
    const Bytes answer = m_script.Next();
    m_waiting.insert(m_waiting.end(), answer.begin(), answer.end());
    return true;
}

Bytes LinkLineModel::Take(std::size_t count) {
    const std::size_t taken = std::min(count, m_waiting.size());
    Bytes bytes(m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(taken));
    m_waiting.erase(m_waiting.begin(), m_waiting.begin() + static_cast<std::ptrdiff_t>(taken));
    return bytes;
}

// A frame that a failed byte cuts short is abandoned at once.
void LinkLineModel::WriteMemory(const Bytes& source, int length, int address) {
    m_busy = true;
    if (!FitsInFrame(length)) {
        return;
    }
    Bytes frame = MemoryFrameHeader(kWriteCommand, length, address);
    frame.insert(frame.end(), source.begin(), source.begin() + length);
    for (const std::uint8_t byte : frame) {
        if (!Write(byte)) {
            return;
        }
    }
    m_busy = false;
}

// A failed header byte is reported and the try goes on.
void LinkLineModel::SendReadHeader(int length, int address) {
    for (const std::uint8_t byte : MemoryFrameHeader(kReadCommand, length, address)) {
        if (!Write(byte)) {
            ++m_writeErrorBoxes;
        }
    }
}

std::optional<Bytes> LinkLineModel::ReadMemory(int length, int address) {
    m_busy = true;
    if (!FitsInFrame(length)) {
        return std::nullopt;
    }
    const std::size_t replyBytes = static_cast<std::size_t>(length) + 1;
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        SendReadHeader(length, address);
        Bytes reply = Take(replyBytes);
        const auto sum = static_cast<std::uint8_t>(std::accumulate(reply.begin(), reply.end(), 0U));
        if (reply.size() == replyBytes && sum == 0) {
            reply.pop_back();
            m_busy = false;
            return reply;
        }
    }
    return std::nullopt;
}

Bytes LinkLineModel::QueryVersion() {
    m_busy = true;
    Write(kVersionCommand);
    Bytes reply = Take(kVersionBytes);
    if (!reply.empty()) {
        m_busy = false;
    }
    return reply;
}

bool LinkLineModel::Connect(Bytes& reply) {
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        FlushInput();
        reply = QueryVersion();
        if (!m_busy && reply.size() >= kVersionPrefix.size() &&
            std::equal(kVersionPrefix.begin(), kVersionPrefix.end(), reply.begin())) {
            return true;
        }
    }
    return false;
}

void LinkLineModel::FlushInput() {
    Take(kFlushBytes);
    m_busy = false;
}

void LinkLineModel::RestartModule() {
    for (const std::uint8_t byte : kRestartFrame) {
        Write(byte);
    }
}
