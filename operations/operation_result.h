#pragma once

#include "platform/serial_port.h"

#include <string>

// How far a module operation got.
enum class OperationStage { Completed, PortNotOpened, NoContact, BlockNotRead, BlockNotVerified };

// What a module operation did, for a caller that acts on it. The user has been told already,
// through the log and the message box.
struct OperationResult {
    OperationStage stage = OperationStage::Completed;
    // The block that was not read or not verified, 1 to 4.
    int block = 0;
    // A send: the blocks it began to write, the one that failed included.
    int blocksWritten = 0;
    // The version query: the module's answer as the log shows it.
    std::string version;
    // Why the port did not open.
    PortOpenError portError;
    // The text of the message box that told the user why the operation stopped.
    std::string message;

    bool Completed() const { return stage == OperationStage::Completed; }
};
