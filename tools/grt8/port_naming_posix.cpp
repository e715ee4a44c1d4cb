#include "tools/grt8/port_naming.h"

const std::string_view kDevicePathExample = "/dev/ttyUSB0";

const std::string_view kPortHelp =
    R"(PORT is COM1 to COM9, mapped as the console maps them (COMn opens the device
in the variable GRT8_COMn when it is set, else the n-th serial device present:
adapters first, then built-in ports; 'grt8 ports' lists them), or a device
path such as /dev/ttyUSB0.
)";

const std::string_view kPortsHelp =
    R"(Lists what COM1 to COM9 open now, as the console and --port map them: the
device, its stable name under /dev/serial/by-id, and what the adapter says it
is (maker, product, serial number), where there is one. A port named by a
GRT8_COMn variable says so. Otherwise COMn is the n-th serial device present:
USB and CDC-ACM adapters first, by their stable names, then the built-in
serial ports that have a UART behind them, by number.

Exit status 0.)";
