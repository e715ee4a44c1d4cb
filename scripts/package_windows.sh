#!/usr/bin/env bash
# Builds the Windows programs and writes dist/grt8-<version>-win64.zip: konsola_grt8.exe, grt8.exe
# and a short text on using them on Windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project([a-z_0-9]* VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

"$root/scripts/build_windows.sh" grt8 konsola_grt8 >/dev/null
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "$root/build-windows/tools/grt8/grt8.exe" "$root/build-windows/app/konsola_grt8.exe" "$staging/"
# Notepad before Windows 10 shows a text without carriage returns on one line.
sed 's/$/\r/' "$root/packaging/grt8-windows.txt" >"$staging/grt8-windows.txt"
mkdir -p "$root/dist"
zip="$root/dist/grt8-$version-win64.zip"
rm -f "$zip"
(cd "$staging" && zip -q -X "$zip" konsola_grt8.exe grt8.exe grt8-windows.txt)
echo "$zip"
