#pragma once

#include "config/config_image.h"
#include "operations/module_port.h"
#include "tools/grt8/arguments.h"
#include "tools/grt8/console_streams.h"

#include <optional>

// The console's module operations as commands; each returns the exit status.
int RunRead(const Invocation& invocation, const ConsoleStreams& streams);
int RunSend(const Invocation& invocation, const ConsoleStreams& streams);
int RunVersion(const Invocation& invocation, const ConsoleStreams& streams);

// The module's configuration in an otherwise empty image; nothing when it could not be read,
// which has been reported.
std::optional<ConfigImage> ReadFromModule(const ModulePort& port, const ConsoleStreams& streams);
