#include "bench/byte_start_recorder.h"

#include "link/module_link.h"
#include "platform/clock.h"
#include "platform/serial_port_device.h"

namespace {

class RecordingPort final : public SerialPort {
public:
    RecordingPort(std::unique_ptr<SerialPort> port, std::vector<std::int64_t>& byteStarts)
        : m_port(std::move(port)), m_byteStarts(byteStarts) {}

    bool ReadLineSettings() override { return m_port->ReadLineSettings(); }
    bool WriteLineSettings(unsigned baudRate) override {
        return m_port->WriteLineSettings(baudRate);
    }
    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        return m_port->SetTimeouts(timeouts);
    }
    void SetQueueSizes(std::size_t inputBytes, std::size_t outputBytes) override {
        m_port->SetQueueSizes(inputBytes, outputBytes);
    }
    void RaiseDtr() override { m_port->RaiseDtr(); }
    bool WriteByte(std::uint8_t byte) override {
        m_byteStarts.push_back(theLink.m_liByteStart);
        return m_port->WriteByte(byte);
    }
    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        return m_port->Read(destination, count);
    }
    void Close() override { m_port->Close(); }

private:
    std::unique_ptr<SerialPort> m_port;
    std::vector<std::int64_t>& m_byteStarts;
};

} // namespace

SerialPortOpenResult ByteStartRecorder::Open(const std::string& name) {
    SerialPortOpenResult opened = OpenSerialPortDevice(name);
    if (opened.port) {
        opened.port = std::make_unique<RecordingPort>(std::move(opened.port), byteStarts);
    }
    return opened;
}

std::int64_t ByteStartRecorder::CounterFrequency() {
    return MonotonicCounterFrequency();
}

std::int64_t ByteStartRecorder::Counter() {
    return MonotonicCounter();
}

void ByteStartRecorder::Sleep(unsigned milliseconds) {
    SleepMilliseconds(milliseconds);
}
