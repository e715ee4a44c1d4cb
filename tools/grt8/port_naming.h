#pragma once

#include <string_view>

// How this system names the ports beyond the console's COM1 to COM9, for the help and messages.
extern const std::string_view kDevicePathExample;
// The help's paragraph on PORT.
extern const std::string_view kPortHelp;
