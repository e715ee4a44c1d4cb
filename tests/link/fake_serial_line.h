#pragma once

#include "platform/serial_port_system.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// A serial line to a module in the same process, with a virtual clock. Reading the counter
// moves virtual time on by a small step, sleeps and read timeouts move it by their length, so
// the link's timing can be checked exactly and without waiting for real.
class FakeSerialLine final : public SerialPortSystem {
public:
    struct SentByte {
        std::uint8_t value;
        double atMicroseconds;
    };

    // How the module answers each byte the link writes (by pushing bytes into `incoming`).
    std::function<void(FakeSerialLine& line, std::uint8_t byte)> module;
    // Told of everything else the link does to the line, as text: "open COM1", "line 1200",
    // "timeouts 0 10 100 0 100", "queues 1024 1024", "dtr", "read 64" (as the read starts),
    // "sleep 20" (as it ends, a read's timeout too), "close". A refused setting tells "refused".
    std::function<void(const std::string& event)> onEvent;

    std::int64_t frequency = 10'000'000;
    std::int64_t counterStepNanoseconds = 1'000;
    bool portExists = true;
    // The port refuses to read or change its line settings and its timeouts.
    bool refuseSettings = false;
    bool writesFail = false;

    bool isOpen = false;
    SerialTimeouts timeouts;
    std::vector<SentByte> sent;
    std::deque<std::uint8_t> incoming;

    SerialPortOpenResult Open(const std::string& name) override;
    std::int64_t CounterFrequency() override { return frequency; }
    std::int64_t Counter() override;
    void Sleep(unsigned milliseconds) override;

    double NowMicroseconds() const { return static_cast<double>(m_nowNanoseconds) / 1000.0; }
    void Receive(const std::vector<std::uint8_t>& bytes) {
        incoming.insert(incoming.end(), bytes.begin(), bytes.end());
    }
    std::vector<std::uint8_t> SentValues() const;
    void Tell(const std::string& event) const {
        if (onEvent) {
            onEvent(event);
        }
    }

private:
    std::int64_t m_nowNanoseconds = 0;
};
