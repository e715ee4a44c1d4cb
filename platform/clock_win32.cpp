#include "platform/clock.h"

#include <windows.h>

std::int64_t MonotonicCounter() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Zero when the machine has no high-resolution counter; the link then sends bytes unpaced.
std::int64_t MonotonicCounterFrequency() {
    LARGE_INTEGER frequency{};
    if (!QueryPerformanceFrequency(&frequency)) {
        return 0;
    }
    return frequency.QuadPart;
}

// The timer resolution is left as Windows has it (a tick of up to 15.6 ms) rather than raised
// with timeBeginPeriod(1) for an operation. The pacing that the module needs, 10 ms between byte
// starts, is a busy wait on the performance counter and no sleep is part of it; every sleep is a
// least wait (after the version command, between the restart frame's bytes, before a block is
// written again), so a tick-long sleep only makes a send about 0.1 s slower in 17 s. Raising
// the resolution would buy that back at the cost of a faster timer interrupt while the port is
// open, more power drawn on the laptops this runs on, and one more library.
void SleepMilliseconds(unsigned milliseconds) {
    Sleep(milliseconds);
}
