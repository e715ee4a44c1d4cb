#include "tools/grt8/port_open_recorder.h"

PortOpenRecorder::PortOpenRecorder() : m_system(&ActiveSerialPortSystem()) {
    UseSerialPortSystem(this);
}

PortOpenRecorder::~PortOpenRecorder() {
    UseSerialPortSystem(m_system);
}

SerialPortOpenResult PortOpenRecorder::Open(const std::string& name) {
    SerialPortOpenResult result = m_system->Open(name);
    m_openFailure = result.port ? std::nullopt : std::optional<int>(result.systemError);
    return result;
}
