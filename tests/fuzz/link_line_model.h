#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// What a module sends back while the link writes: after each byte that reaches the line, the
// next chunk of the script (nothing once the script has run out).
class ReplyScript {
public:
    explicit ReplyScript(std::deque<Bytes> chunks) : m_chunks(std::move(chunks)) {}
    Bytes Next();

private:
    std::deque<Bytes> m_chunks;
};

// The link's designed outcomes, worked out from the frame rules alone: which bytes go out, what
// is taken from the line, what reaches the destination and how m_bBusy ends.
class LinkLineModel {
public:
    LinkLineModel(std::deque<std::uint8_t> waiting, ReplyScript script);

    void SetWritesFail(bool fail) { m_writesFail = fail; }

    void WriteMemory(const Bytes& source, int length, int address);
    // The bytes the destination receives; nothing when the read fails.
    std::optional<Bytes> ReadMemory(int length, int address);
    // What arrived, without the terminating zero.
    Bytes QueryVersion();
    // True when contact was made; `reply` is the answer of the last try.
    bool Connect(Bytes& reply);
    void FlushInput();
    void RestartModule();

    bool busy() const { return m_busy; }
    const Bytes& sent() const { return m_sent; }
    const std::deque<std::uint8_t>& waiting() const { return m_waiting; }
    int writeErrorBoxes() const { return m_writeErrorBoxes; }

private:
    bool Write(std::uint8_t byte);
    Bytes Take(std::size_t count);
    void SendReadHeader(int length, int address);

    std::deque<std::uint8_t> m_waiting;
    ReplyScript m_script;
    bool m_writesFail = false;
    bool m_busy = false;
    Bytes m_sent;
    int m_writeErrorBoxes = 0;
};

Bytes MemoryFrameHeader(std::uint8_t command, int length, int address);
