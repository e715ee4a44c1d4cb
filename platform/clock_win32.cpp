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

void SleepMilliseconds(unsigned milliseconds) {
    Sleep(milliseconds);
}
