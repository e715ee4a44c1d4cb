#include "link/port_handle.h"

std::unique_ptr<SerialPort> g_hPort;

namespace {

class DisconnectedPort final : public SerialPort {
public:
    bool ReadLineSettings() override { return false; }
    bool WriteLineSettings(unsigned) override { return false; }
    bool SetTimeouts(const SerialTimeouts&) override { return false; }
    void SetQueueSizes(std::size_t, std::size_t) override {}
    void RaiseDtr() override {}
    bool WriteByte(std::uint8_t) override { return false; }
    std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }
    void Close() override {}
};

} // namespace

SerialPort& CurrentPort() {
    static DisconnectedPort disconnected;
    if (!g_hPort) {
        return disconnected;
    }
    return *g_hPort;
}
