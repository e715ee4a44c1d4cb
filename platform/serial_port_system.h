#pragma once

#include "platform/serial_port.h"

#include <cstdint>
#include <string>

// Everything the module link needs from the operating system: serial devices and a time base.
// The link reaches it through ActiveSerialPortSystem(), so tests can put a simulated line with
// a virtual clock in place of the real one.
class SerialPortSystem {
public:
    virtual ~SerialPortSystem() = default;

    virtual SerialPortOpenResult Open(const std::string& name) = 0;
    // Counts per second of Counter(); 0 when there is no high-resolution counter.
    virtual std::int64_t CounterFrequency() = 0;
    // A monotonic high-resolution counter.
    virtual std::int64_t Counter() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
};

SerialPortSystem& ActiveSerialPortSystem();

// Makes `system` the active one (nullptr restores the operating system's) and returns the one
// that was active before. Swap systems only while no module operation runs.
SerialPortSystem* UseSerialPortSystem(SerialPortSystem* system);
