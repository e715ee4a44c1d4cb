#include "fake_serial_line.h"

#include <algorithm>
#include <cstdio>

namespace {

class FakePort final : public SerialPort {
public:
    explicit FakePort(FakeSerialLine& line) : m_line(line) {}

    bool ReadLineSettings() override { return !m_line.refuseSettings; }
    bool WriteLineSettings(unsigned baudRate) override {
        return Setting("line " + std::to_string(baudRate));
    }
    bool SetTimeouts(const SerialTimeouts& t) override {
        m_line.timeouts = t;
        char text[64];
        std::snprintf(text, sizeof text, "timeouts %u %u %u %u %u", t.readIntervalMs,
                      t.readTotalMultiplierMs, t.readTotalConstantMs, t.writeTotalMultiplierMs,
                      t.writeTotalConstantMs);
        return Setting(text);
    }
    void SetQueueSizes(std::size_t input, std::size_t output) override {
        m_line.Tell("queues " + std::to_string(input) + " " + std::to_string(output));
    }
    void RaiseDtr() override { m_line.Tell("dtr"); }
    void Close() override {
        m_line.isOpen = false;
        m_line.Tell("close");
    }

    bool WriteByte(std::uint8_t byte) override {
        if (!m_line.isOpen || m_line.writesFail) {
            return false;
        }
        m_line.sent.push_back({byte, m_line.NowMicroseconds()});
        if (m_line.module) {
            m_line.module(m_line, byte);
        }
        return true;
    }

    // Bytes already waiting come at once; a read they cannot satisfy lasts its whole timeout.
    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        m_line.Tell("read " + std::to_string(count));
        const std::size_t taken = std::min(count, m_line.incoming.size());
        std::copy_n(m_line.incoming.begin(), taken, destination);
        m_line.incoming.erase(m_line.incoming.begin(),
                              m_line.incoming.begin() + static_cast<std::ptrdiff_t>(taken));
        if (taken < count) {
            m_line.Sleep(m_line.timeouts.readTotalMultiplierMs * static_cast<unsigned>(count) +
                         m_line.timeouts.readTotalConstantMs);
        }
        return taken;
    }

private:
    bool Setting(const std::string& event) {
        m_line.Tell(m_line.refuseSettings ? "refused" : event);
        return !m_line.refuseSettings;
    }

    FakeSerialLine& m_line;
};

} // namespace

SerialPortOpenResult FakeSerialLine::Open(const std::string& name) {
    Tell("open " + name);
    if (!portExists) {
        return {nullptr, {PortOpenReason::NoSuchDevice, "No such file or directory"}};
    }
    isOpen = true;
    return {std::make_unique<FakePort>(*this), {}};
}

std::int64_t FakeSerialLine::Counter() {
    m_nowNanoseconds += counterStepNanoseconds;
    return m_nowNanoseconds * frequency / 1'000'000'000;
}

void FakeSerialLine::Sleep(unsigned milliseconds) {
    m_nowNanoseconds += static_cast<std::int64_t>(milliseconds) * 1'000'000;
    Tell("sleep " + std::to_string(milliseconds));
}

std::vector<std::uint8_t> FakeSerialLine::SentValues() const {
    std::vector<std::uint8_t> values(sent.size());
    std::transform(sent.begin(), sent.end(), values.begin(), [](auto byte) { return byte.value; });
    return values;
}
