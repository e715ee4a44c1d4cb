#include "platform/serial_port_device.h"

#include <iterator>
#include <string>
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

// A COM port that another program holds refuses an exclusive open with access denied, so on a
// serial port that error means in use, not a lack of rights.
PortOpenReason ReasonFor(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return PortOpenReason::NoSuchDevice;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return PortOpenReason::InUse;
    default:
        return PortOpenReason::Other;
    }
}

// The system's description in the user's language, as UTF-8 without the closing line break.
std::string SystemText(DWORD error) {
    wchar_t wide[512] = {};
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, wide, static_cast<DWORD>(std::size(wide)), nullptr);
    char text[1024] = {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text,
                                         static_cast<int>(sizeof text), nullptr, nullptr);
    std::string utf8(text, static_cast<std::size_t>(size > 0 ? size : 0));
    return utf8.substr(0, utf8.find_last_not_of("\r\n .") + 1);
}

} // namespace

SerialPortOpenResult OpenSerialPortDevice(const std::string& name) {
    const std::string path = SerialPortDevicePath(name);
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {nullptr, {ReasonFor(error), SystemText(error)}};
    }
    return {std::make_unique<Win32SerialPort>(handle), {}};
}
