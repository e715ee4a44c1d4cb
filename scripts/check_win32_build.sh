#!/usr/bin/env bash
# Cross-compiles the window-free core for Windows with mingw-w64, so the Windows serial port
# and clock code keeps building. Fails when the build fails.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-win32"

cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DGRT8_WITH_QT=OFF -DGRT8_WITH_TESTS=OFF -DGRT8_WITH_TOOLS=OFF
cmake --build "$build" --target grt8_core -j2
