#include "tools/grt8/port_naming.h"

const std::string_view kDevicePathExample = "/dev/ttyUSB0";

const std::string_view kPortHelp =
    R"(PORT is COM1 to COM9, mapped as the console maps them (COMn opens the device
in the variable GRT8_COMn when it is set, else /dev/ttyS<n-1>), or a device
path such as /dev/ttyUSB0.
)";
