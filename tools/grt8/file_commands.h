#pragma once

#include "tools/grt8/arguments.h"
#include "tools/grt8/console_streams.h"

// The commands that report on configurations; each returns the exit status.
int RunShow(const Invocation& invocation, const ConsoleStreams& streams);
int RunDiff(const Invocation& invocation, const ConsoleStreams& streams);
