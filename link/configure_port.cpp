#include "link/configure_port.h"

#include "link/port_handle.h"
#include "platform/message_box.h"

namespace {

// A read of n bytes waits at most 10 * n + 100 ms, a one-byte write 100 ms.
constexpr SerialTimeouts kModuleTimeouts{.readIntervalMs = 0,
                                         .readTotalMultiplierMs = 10,
                                         .readTotalConstantMs = 100,
                                         .writeTotalMultiplierMs = 0,
                                         .writeTotalConstantMs = 100};

} // namespace

int ConfigurePort(unsigned baudRate) {
    SerialPort& port = CurrentPort();
    if (!port.ReadLineSettings()) {
        ShowMessageBox("Getcommstate ERROR");
    }
    if (!port.WriteLineSettings(baudRate)) {
        ShowMessageBox("Błąd ustawienia portu !");
    }
    if (!port.SetTimeouts(kModuleTimeouts)) {
        ShowMessageBox("Błąd wpisu timeouts !");
    }
    return 1;
}
