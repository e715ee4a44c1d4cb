#include "platform/serial_port_system.h"

#include "platform/clock.h"
#include "platform/serial_port_device.h"

#include <atomic>

namespace {

class OperatingSystemSerialPorts final : public SerialPortSystem {
public:
    SerialPortOpenResult Open(const std::string& name) override {
        return OpenSerialPortDevice(name);
    }
    std::int64_t CounterFrequency() override { return MonotonicCounterFrequency(); }
    std::int64_t Counter() override { return MonotonicCounter(); }
    void Sleep(unsigned milliseconds) override { SleepMilliseconds(milliseconds); }
};

OperatingSystemSerialPorts& OperatingSystem() {
    static OperatingSystemSerialPorts system;
    return system;
}

std::atomic<SerialPortSystem*>& ActivePointer() {
    static std::atomic<SerialPortSystem*> active{&OperatingSystem()};
    return active;
}

} // namespace

SerialPortSystem& ActiveSerialPortSystem() {
    return *ActivePointer().load();
}

SerialPortSystem* UseSerialPortSystem(SerialPortSystem* system) {
    return ActivePointer().exchange(system != nullptr ? system : &OperatingSystem());
}
