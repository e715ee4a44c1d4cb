#!/usr/bin/env bash
# Cross-compiles grt8.exe, the Windows test programs and the operations benchmark with mingw-w64:
#   scripts/build_windows.sh [FOLDER]      (default build-windows)
# Every .exe is linked statically and runs on Windows with nothing else installed. The tests
# run under Wine: ctest --test-dir FOLDER.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$root/${1:-build-windows}

cmake -S "$root" -B "$folder" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine_run.sh;$folder/wineprefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DGRT8_WITH_QT=OFF > "$folder.configure.log" 2>&1 ||
    { cat "$folder.configure.log"; exit 1; }
cmake --build "$folder" -j "$(nproc)"
