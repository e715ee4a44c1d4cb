#pragma once

#include <functional>

class CDialog;

// Runs a module operation on a thread of its own while the window's thread waits in an event
// loop that keeps painting and answering the window system but takes no keyboard or mouse
// input: the window stays alive through a 20-second send, yet no command can start meanwhile.
// Returns when the operation has ended.
void RunModuleOperation(const std::function<void()>& operation);

// Runs work on the window's thread, after all work handed over before it and the message boxes
// shown before it, so log lines keep their order; on the window's thread it runs at once.
void PostToWindow(CDialog& window, std::function<void()> work);
