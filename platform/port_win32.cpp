#include "platform/serial_port_device.h"

#include <windows.h>

namespace {

void SetModuleLine(DCB& dcb, unsigned baudRate) {
    dcb.BaudRate = baudRate;
    dcb.fBinary = 1;
    dcb.fParity = 1;
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = 0;
    dcb.fTXContinueOnXoff = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.XonChar = 0;
    dcb.XoffChar = 0;
    dcb.XonLim = 0;
    dcb.XoffLim = 0;
    dcb.EvtChar = 0;
}

class Win32SerialPort final : public SerialPort {
public:
    explicit Win32SerialPort(HANDLE handle) : m_handle(handle) {}
    ~Win32SerialPort() override { Close(); }
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    bool ReadLineSettings() override {
        m_dcb = DCB{};
        m_dcb.DCBlength = sizeof(DCB);
        return GetCommState(m_handle, &m_dcb) != 0;
    }

    bool WriteLineSettings(unsigned baudRate) override {
        SetModuleLine(m_dcb, baudRate);
        return SetCommState(m_handle, &m_dcb) != 0;
    }

    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        COMMTIMEOUTS commTimeouts{};
        commTimeouts.ReadIntervalTimeout = timeouts.readIntervalMs;
        commTimeouts.ReadTotalTimeoutMultiplier = timeouts.readTotalMultiplierMs;
        commTimeouts.ReadTotalTimeoutConstant = timeouts.readTotalConstantMs;
        commTimeouts.WriteTotalTimeoutMultiplier = timeouts.writeTotalMultiplierMs;
        commTimeouts.WriteTotalTimeoutConstant = timeouts.writeTotalConstantMs;
        return SetCommTimeouts(m_handle, &commTimeouts) != 0;
    }

    void SetQueueSizes(std::size_t inputBytes, std::size_t outputBytes) override {
        SetupComm(m_handle, static_cast<DWORD>(inputBytes), static_cast<DWORD>(outputBytes));
    }

    void RaiseDtr() override { EscapeCommFunction(m_handle, SETDTR); }

    // A write that times out still succeeds, with nothing written; that is a failure here.
    bool WriteByte(std::uint8_t byte) override {
        DWORD written = 0;
        return m_handle != INVALID_HANDLE_VALUE &&
               WriteFile(m_handle, &byte, 1, &written, nullptr) && written == 1;
    }

    std::size_t Read(std::uint8_t* destination, std::size_t count) override {
        DWORD received = 0;
        if (m_handle != INVALID_HANDLE_VALUE) {
            ReadFile(m_handle, destination, static_cast<DWORD>(count), &received, nullptr);
        }
        return received;
    }

    // The handle is forgotten on close, so a later transfer or a second close can never reach
    // whatever the system hands that handle value to next.
    void Close() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return;
        }
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
    DCB m_dcb{};
};

} // namespace

SerialPortOpenResult OpenSerialPortDevice(const std::string& name) {
    const std::string path = SerialPortDevicePath(name);
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {nullptr, static_cast<int>(GetLastError())};
    }
    return {std::make_unique<Win32SerialPort>(handle), 0};
}
