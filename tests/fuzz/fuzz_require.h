#pragma once

#include <cstdlib>

// A property that does not hold is a finding: abort, so the fuzzer keeps the input that shows it.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}
