#include "tools/grt8/port_diagnosis.h"

#include "tools/grt8/escaping.h"
#include "tools/grt8/port_argument.h"

#include <windows.h>

namespace {

std::string SystemMessage(int systemError) {
    char text[512] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(systemError), 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(systemError) : message;
}

} // namespace

std::string ExplainPortOpenFailure(const ModulePort& port, int systemError) {
    const std::string name = WithoutControlCharacters(PortName(port));
    switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return name +
               " does not exist. Check that the module's serial adapter is plugged in and see "
               "its number in Device Manager, under Ports (COM & LPT). A port above COM9 is "
               "given as \\\\.\\COM12.";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return name +
               " is in use by another program (the console, a terminal program or another grt8) "
               "or access to it is denied. Close that program and try again.";
    default:
        return "cannot open " + name + ": " + SystemMessage(systemError) + ".";
    }
}
