#!/usr/bin/env bash
# Configures and builds with one of the presets in CMakePresets.json (default, asan, fuzz,
# windows), each in a build folder of its own: scripts/build.sh PRESET [TARGET...]
# Without targets it builds what the preset builds (for default and asan: everything).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=$1
shift
log="$root/build-$preset.configure.log"
(cd "$root" && cmake --preset "$preset") > "$log" 2>&1 || { cat "$log"; exit 1; }
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
(cd "$root" && cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}")
