#!/usr/bin/env bash
# Cross-compiles the window-free core for Windows with mingw-w64 (the windows preset, in
# build-win32), so the Windows serial port and clock code keeps building. Fails when the build
# fails.
set -euo pipefail
"$(dirname "$0")/build.sh" windows
