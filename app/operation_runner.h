#pragma once

#include <functional>

// Runs a module operation on a thread of its own while the window's thread waits in an event
// loop that keeps painting and answering the window system but takes no keyboard or mouse
// input: the window stays alive through a 20-second send, yet no command can start meanwhile.
// Returns when the operation has ended.
void RunModuleOperation(const std::function<void()>& operation);
