#pragma once

#include "link/module_link.h"
#include "operations/module_port.h"
#include "operations/operation_log.h"
#include "operations/operation_result.h"

#include <array>

// The version reply of the module: up to 10 bytes and a terminating zero.
using VersionReply = std::array<char, 11>;

// Opens the port and makes contact with the module, reporting each step in the log. On failure
// the user has been told and the port is closed again; on success it is open and the reply
// holds the module's answer.
OperationResult OpenSession(CModuleLink& link, const ModulePort& port, OperationLog& log,
                            VersionReply& reply);

// Tells the user in the message box why the operation stops at `stage` (in `block`, when the
// stage is one of a block), and returns that as the result.
OperationResult FailedAt(OperationStage stage, const std::string& message, int block = 0);
