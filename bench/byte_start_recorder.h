#pragma once

#include "platform/serial_port_system.h"

#include <cstdint>
#include <vector>

// The operating system's serial ports, with every one-byte write noted at the counter value the
// link took as that byte's start (its m_liByteStart), so the gaps are the link's own timing.
class ByteStartRecorder final : public SerialPortSystem {
public:
    SerialPortOpenResult Open(const std::string& name) override;
    std::int64_t CounterFrequency() override;
    std::int64_t Counter() override;
    void Sleep(unsigned milliseconds) override;

    std::vector<std::int64_t> byteStarts;
};
