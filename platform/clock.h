#pragma once

#include <cstdint>

// The operating system's monotonic high-resolution counter and its counts per second.
std::int64_t MonotonicCounter();
std::int64_t MonotonicCounterFrequency();

void SleepMilliseconds(unsigned milliseconds);
