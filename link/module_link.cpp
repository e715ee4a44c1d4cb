#include "link/module_link.h"

#include "link/configure_port.h"
#include "link/port_handle.h"
#include "platform/serial_port_system.h"

#include <utility>

CModuleLink theLink;

namespace {

constexpr unsigned kModuleBaudRate = 1200;
constexpr std::size_t kDriverQueueBytes = 1024;
// With no high-resolution counter every pacing wait must end at once.
constexpr double kElapsedWithoutCounter = 1'000'000'000.0;
constexpr double kPacingCharacters = 1.2;

} // namespace

bool CModuleLink::OpenPort(char comDigit) {
    std::string name = "COM1";
    name[3] = comDigit;
    return OpenNamedPort(name);
}

bool CModuleLink::OpenPortAt(const std::string& deviceName) {
    return OpenNamedPort(deviceName);
}

bool CModuleLink::OpenNamedPort(const std::string& name) {
    SerialPortSystem& system = ActiveSerialPortSystem();
    m_liFrequency = system.CounterFrequency();
    SerialPortOpenResult opened = system.Open(name);
    g_hPort = std::move(opened.port);
    if (!g_hPort) {
        m_openFailure = std::move(opened.error);
        return false;
    }
    ConfigurePort(kModuleBaudRate);
    m_dCharTime = (10.0 / kModuleBaudRate) * 1'000'000;
    g_hPort->SetQueueSizes(kDriverQueueBytes, kDriverQueueBytes);
    g_hPort->RaiseDtr();
    return true;
}

void CModuleLink::ClosePort() {
    CurrentPort().Close();
}

double CModuleLink::ElapsedMicroseconds(std::int64_t start) {
    if (m_liFrequency == 0) {
        return kElapsedWithoutCounter;
    }
    const std::int64_t now = ActiveSerialPortSystem().Counter();
    return static_cast<double>(now - start) / static_cast<double>(m_liFrequency) * 1'000'000;
}

bool CModuleLink::WriteTimedByte(std::uint8_t byte) {
    m_liByteStart = ActiveSerialPortSystem().Counter();
    return CurrentPort().WriteByte(byte);
}

// A busy wait rather than a sleep: a sleep's granularity would cost far more than the 10 ms
// gap at 1200 baud, and the module needs its bytes no closer than 1.2 characters apart.
void CModuleLink::WaitOutCharacter() {
    const double threshold = 1 * m_dCharTime * kPacingCharacters;
    do {
        m_dElapsed = ElapsedMicroseconds(m_liByteStart);
    } while (m_dElapsed < threshold);
}
