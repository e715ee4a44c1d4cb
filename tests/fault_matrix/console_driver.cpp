#include "tests/fault_matrix/console_driver.h"

#include "resources/resource_ids.h"

#include <chrono>
#include <cstdlib>

namespace {

constexpr char kComPortVariable[] = "GRT8_COM4";

int CommandOf(Operation operation) {
    switch (operation) {
    case Operation::Version:
        return ID_MODULE_VERSION;
    case Operation::Read:
        return ID_READ_CONFIGURATION;
    case Operation::Send:
        return ID_SEND_CONFIGURATION;
    }
    return ID_MODULE_VERSION;
}

} // namespace

ConsoleDriver::ConsoleDriver(const std::string& com4Device) {
    setenv(kComPortVariable, com4Device.c_str(), 1);
    m_console.ShowWindow(true);
    m_console.SendCommand(ID_COM4);
}

ConsoleDriver::~ConsoleDriver() {
    unsetenv(kComPortVariable);
}

double ConsoleDriver::Run(Operation operation) {
    const auto start = std::chrono::steady_clock::now();
    m_console.SendCommand(CommandOf(operation));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string ConsoleDriver::Pane() const {
    return m_console.ItemText(IDC_LOG);
}

std::string ConsoleDriver::LogText() const {
    return m_console.m_strLog;
}
