#pragma once

#include "platform/serial_port_system.h"

#include <optional>

// Stands in for the serial port system while it lives and remembers why the last port that
// failed to open did so: by the time the operation reports the failure, the system's error
// number is long gone.
class PortOpenRecorder final : public SerialPortSystem {
public:
    PortOpenRecorder();
    ~PortOpenRecorder() override;
    PortOpenRecorder(const PortOpenRecorder&) = delete;
    PortOpenRecorder& operator=(const PortOpenRecorder&) = delete;

    SerialPortOpenResult Open(const std::string& name) override;
    std::int64_t CounterFrequency() override { return m_system->CounterFrequency(); }
    std::int64_t Counter() override { return m_system->Counter(); }
    void Sleep(unsigned milliseconds) override { m_system->Sleep(milliseconds); }

    // The system's error number when the last open failed; nothing when it succeeded or when
    // no port was opened.
    std::optional<int> OpenFailure() const { return m_openFailure; }

private:
    SerialPortSystem* m_system;
    std::optional<int> m_openFailure;
};
