#include "tools/grt8/port_naming.h"

const std::string_view kDevicePathExample = R"(\\.\COM12)";

const std::string_view kPortHelp =
    R"(PORT is COM1 to COM9, or a port above COM9 given as \\.\COM12. Device
Manager shows a serial adapter's number under Ports (COM & LPT).
)";

const std::string_view kPortsHelp =
    R"(Lists COM1 to COM9. On Windows each is the port of its own name; Device
Manager shows which adapter has which number, under Ports (COM & LPT).

Exit status 0.)";
