#include "tools/grt8/port_naming.h"

const std::string_view kDevicePathExample = R"(\\.\COM12)";

const std::string_view kPortHelp =
    R"(PORT is COM1 to COM9, or a port above COM9 given as \\.\COM12. Device
Manager shows a serial adapter's number under Ports (COM & LPT).
)";
