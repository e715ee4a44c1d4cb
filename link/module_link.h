#pragma once

#include "platform/serial_port.h"

#include <cstdint>
#include <string>

// The link to the module over a serial port. The outcome of a transfer is left in m_bBusy:
// still set after WriteMemory, ReadMemory or QueryVersion means that transfer failed. Faults
// are reported to the user through the message box, never thrown. The link does not care which
// thread it runs on, but only one thread may use it at a time.
class CModuleLink {
public:
    CModuleLink() = default;
    CModuleLink(const CModuleLink&) = delete;
    CModuleLink& operator=(const CModuleLink&) = delete;
    // Leaves the port alone: closing it is the job of whoever opened it.
    virtual ~CModuleLink() = default;

    // Opens "COM1" to "COM9" at 1200 baud with the module's line settings.
    bool OpenPort(char comDigit);
    // The same for a port given by its device path.
    bool OpenPortAt(const std::string& deviceName);
    void ClosePort();
    // Why the last open failed; meaningless after one that succeeded.
    const PortOpenError& OpenFailure() const { return m_openFailure; }
    // Microseconds from the counter value `start` to now; a thousand seconds when there is no
    // high-resolution counter, so that every pacing wait ends at once.
    double ElapsedMicroseconds(std::int64_t start);

    // A length the frame's length byte cannot carry (outside 0 to 255) fails before anything
    // is sent.
    void WriteMemory(const std::uint8_t* source, int length, int address);
    // Writes exactly `length` bytes to the destination, and only when the read succeeded.
    void ReadMemory(std::uint8_t* destination, int length, int address);
    // The buffer must hold at least 11 bytes; the reply is stored with a terminating zero.
    void QueryVersion(char* buffer);
    void RestartModule();
    // Drains what the module may still be sending and clears m_bBusy.
    void FlushInput();
    // True when the module answered the version command with "G8v..."; the buffer (at least
    // 11 bytes) then holds that answer.
    bool Connect(char* buffer);

    bool m_bBusy = false;
    std::int64_t m_liFrequency = 0;
    std::int64_t m_liByteStart = 0;
    double m_dElapsed = 0.0;
    double m_dCharTime = 0.0;

private:
    bool OpenNamedPort(const std::string& name);
    bool WriteTimedByte(std::uint8_t byte);
    void WaitOutCharacter();
    void SendReadRequest(int length, int address);

    PortOpenError m_openFailure;
};

extern CModuleLink theLink;
