#!/usr/bin/env bash
# Cross-compiles grt8.exe, the Windows test programs and the operations benchmark with mingw-w64
# into build-windows (the windows preset). Every .exe is linked statically and runs on Windows
# with nothing else installed. The tests run under Wine: ctest --preset windows.
set -euo pipefail
"$(dirname "$0")/build.sh" windows "$@"
