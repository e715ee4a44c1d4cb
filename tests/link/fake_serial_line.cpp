#include "fake_serial_line.h"

#include <algorithm>

namespace {

class FakePort final : public SerialPort {
public:
    explicit FakePort(FakeSerialLine& line) : m_line(line) {}

    bool ReadLineSettings() override { return !m_line.refuseLineSettingsRead; }

    bool WriteLineSettings(unsigned baudRate) override {
        if (m_line.refuseLineSettings) {
            return false;
        }
        m_line.baudRate = baudRate;
        return true;
    }

    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        if (m_line.refuseTimeouts) {
            return false;
        }
        m_line.timeouts = timeouts;
        return true;
    }

    void SetQueueSizes(std::size_t inputBytes, std::size_t outputBytes) override {
        m_line.inputQueueBytes = inputBytes;
        m_line.outputQueueBytes = outputBytes;
    }

    void RaiseDtr() override { m_line.dtrRaised = true; }

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
        const std::size_t taken = std::min(count, m_line.incoming.size());
        std::copy_n(m_line.incoming.begin(), taken, destination);
        m_line.incoming.erase(m_line.incoming.begin(),
                              m_line.incoming.begin() + static_cast<std::ptrdiff_t>(taken));
        if (taken < count) {
            const SerialTimeouts& limits = m_line.timeouts;
            m_line.AdvanceMilliseconds(limits.readTotalMultiplierMs * count +
                                       limits.readTotalConstantMs);
        }
        return taken;
    }

    void Close() override { m_line.isOpen = false; }

private:
    FakeSerialLine& m_line;
};

} // namespace

SerialPortOpenResult FakeSerialLine::Open(const std::string& name) {
    openedName = name;
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
    AdvanceMilliseconds(milliseconds);
}

void FakeSerialLine::AdvanceMilliseconds(std::uint64_t milliseconds) {
    m_nowNanoseconds += static_cast<std::int64_t>(milliseconds) * 1'000'000;
}

void FakeSerialLine::Receive(const std::vector<std::uint8_t>& bytes) {
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> FakeSerialLine::SentValues() const {
    std::vector<std::uint8_t> values;
    for (const SentByte& byte : sent) {
        values.push_back(byte.value);
    }
    return values;
}
