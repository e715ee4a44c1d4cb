#pragma once

#include <functional>

// The thread that owns the windows. Work handed to it from any thread runs there in the order
// it was handed over, between the window messages.

// Called once on the window's thread before any other thread hands work over.
void MakeThisTheWindowThread();
bool OnWindowThread();
void RunOnWindowThread(std::function<void()> work);
// As RunOnWindowThread, and waits until the work has run.
void RunOnWindowThreadAndWait(const std::function<void()>& work);
