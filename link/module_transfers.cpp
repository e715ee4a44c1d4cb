#include "link/module_frames.h"
#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "platform/serial_port_system.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int kReadMemoryTries = 8;
constexpr int kConnectTries = 4;
constexpr std::size_t kVersionReplyBytes = 10;
constexpr std::size_t kFlushBytes = 64;
constexpr unsigned kUnpacedByteGapMs = 20;
constexpr char kVersionPrefix[] = "G8v";

// Longer frames cannot be told in the length byte; sending one would make the module take the
// surplus bytes for commands.
bool FitsInFrame(int length) {
    return length >= 0 && length <= kMaxFrameLength;
}

} // namespace

void CModuleLink::WriteMemory(const std::uint8_t* source, int length, int address) {
    m_bBusy = true;
    if (!FitsInFrame(length)) {
        return;
    }
    for (std::uint8_t byte : MakeMemoryFrameHeader(kWriteMemoryCommand, length, address)) {
        if (!WriteTimedByte(byte)) {
            return;
        }
        WaitOutCharacter();
    }
    for (int i = 0; i < length; ++i) {
        if (!WriteTimedByte(source[i])) {
            return;
        }
        WaitOutCharacter();
    }
    m_bBusy = false;
}

void CModuleLink::SendReadRequest(int length, int address) {
    for (std::uint8_t byte : MakeMemoryFrameHeader(kReadMemoryCommand, length, address)) {
        if (!WriteTimedByte(byte)) {
            ShowMessageBox("Write error");
        }
        WaitOutCharacter();
    }
}

void CModuleLink::ReadMemory(std::uint8_t* destination, int length, int address) {
    m_bBusy = true;
    if (!FitsInFrame(length)) {
        return;
    }
    const std::size_t replyBytes = static_cast<std::size_t>(length) + 1;
    for (int attempt = 0; attempt < kReadMemoryTries; ++attempt) {
        SendReadRequest(length, address);
        std::array<std::uint8_t, kMaxFrameLength + 1> reply;
        const std::size_t received = CurrentPort().Read(reply.data(), replyBytes);
        if (received == replyBytes && SumOfBytes(reply.data(), replyBytes) == 0) {
            std::copy_n(reply.begin(), length, destination);
            m_bBusy = false;
            return;
        }
    }
}

void CModuleLink::QueryVersion(char* buffer) {
    m_bBusy = true;
    SerialPortSystem& system = ActiveSerialPortSystem();
    CurrentPort().WriteByte(kVersionCommand);
    system.Sleep(kUnpacedByteGapMs);
    std::uint8_t reply[kVersionReplyBytes];
    const std::size_t received = CurrentPort().Read(reply, kVersionReplyBytes);
    std::memcpy(buffer, reply, received);
    buffer[received] = '\0';
    if (received > 0) {
        m_bBusy = false;
    }
}

void CModuleLink::RestartModule() {
    SerialPortSystem& system = ActiveSerialPortSystem();
    for (std::uint8_t byte : kRestartFrame) {
        CurrentPort().WriteByte(byte);
        system.Sleep(kUnpacedByteGapMs);
    }
}

void CModuleLink::FlushInput() {
    std::uint8_t discarded[kFlushBytes];
    CurrentPort().Read(discarded, kFlushBytes);
    m_bBusy = false;
}

bool CModuleLink::Connect(char* buffer) {
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        FlushInput();
        QueryVersion(buffer);
        if (!m_bBusy && std::strncmp(buffer, kVersionPrefix, 3) == 0) {
            return true;
        }
    }
    return false;
}
