#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Total timeouts of a port, in milliseconds. A read of n bytes gives up after
// readTotalMultiplierMs * n + readTotalConstantMs, a write of n bytes after
// writeTotalMultiplierMs * n + writeTotalConstantMs.
struct SerialTimeouts {
    std::uint32_t readIntervalMs = 0;
    std::uint32_t readTotalMultiplierMs = 0;
    std::uint32_t readTotalConstantMs = 0;
    std::uint32_t writeTotalMultiplierMs = 0;
    std::uint32_t writeTotalConstantMs = 0;
};

// An open serial device. All operations are synchronous and block the calling thread until
// they complete or their timeout runs out. A closed port fails every write and reads nothing.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Takes a copy of the device's current line settings; on failure the copy is all zeros.
    virtual bool ReadLineSettings() = 0;
    // Applies the module's line (baudRate 8N1, raw, no flow control, DTR and RTS low) on top of
    // the copy taken by ReadLineSettings, leaving every other setting as it was.
    virtual bool WriteLineSettings(unsigned baudRate) = 0;
    virtual bool SetTimeouts(const SerialTimeouts& timeouts) = 0;
    // Best effort: a driver that cannot size its queues or drive DTR still carries data.
    virtual void SetQueueSizes(std::size_t inputBytes, std::size_t outputBytes) = 0;
    virtual void RaiseDtr() = 0;

    virtual bool WriteByte(std::uint8_t byte) = 0;
    // Returns as soon as `count` bytes have arrived, otherwise at the read timeout (or at once
    // when the device has gone away) with what has arrived.
    virtual std::size_t Read(std::uint8_t* destination, std::size_t count) = 0;
    virtual void Close() = 0;
};

// Why a device could not be opened, told the same way on every system.
enum class PortOpenReason { NoSuchDevice, AccessDenied, InUse, NotASerialPort, Other };

struct PortOpenError {
    PortOpenReason reason = PortOpenReason::Other;
    // The system's own description of the error, in UTF-8.
    std::string systemText;
};

// The outcome of opening a device: the port, or why it could not be opened.
struct SerialPortOpenResult {
    std::unique_ptr<SerialPort> port;
    PortOpenError error;
};
