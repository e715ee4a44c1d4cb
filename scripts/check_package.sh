#!/usr/bin/env bash
# Checks a Debian package built by scripts/package_linux.sh: lintian finds no error, the
# desktop entry is valid, and the packaged programs run from a scratch root it is unpacked into.
# scripts/check_package.sh [PACKAGE.deb]   (default: the one in dist/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package=${1:-$(ls "$root"/dist/konsola-grt8_*.deb)}

lintian --fail-on error --info "$package"

unpacked=$(mktemp -d)
simulator=""
trap '[ -n "$simulator" ] && kill "$simulator" 2>/dev/null; rm -rf "$unpacked"' EXIT
dpkg -x "$package" "$unpacked"
bin="$unpacked/usr/bin"

desktop-file-validate "$unpacked/usr/share/applications/konsola-grt8.desktop"
test -s "$unpacked/usr/share/icons/hicolor/scalable/apps/konsola-grt8.svg"
bash -n "$unpacked/usr/share/bash-completion/completions/grt8"
for program in konsola_grt8 grt8 grt8-sim; do
    test -s "$unpacked/usr/share/man/man1/$program.1.gz"
    if ldd "$bin/$program" | grep 'not found'; then
        echo "$program: a library it needs is missing" >&2
        exit 1
    fi
done

"$bin/grt8" --help > /dev/null

# A sample configuration read by the packaged grt8 from the packaged simulator, then shown.
"$bin/grt8-sim" --fast --ready-file "$unpacked/sim.path" > /dev/null &
simulator=$!
for _ in $(seq 100); do
    [ -s "$unpacked/sim.path" ] && break
    sleep 0.05
done
if ! "$bin/grt8" read --port "$(cat "$unpacked/sim.path")" -o "$unpacked/sample.gr8" \
    2> "$unpacked/read.log"; then
    cat "$unpacked/read.log" >&2
    exit 1
fi
report=$("$bin/grt8" show "$unpacked/sample.gr8")
if ! grep -q "^Słowo kontrolne: zgodne" <<< "$report"; then
    echo "grt8 show from the package gave:" >&2
    echo "$report" >&2
    exit 1
fi
echo "Package checked: $(basename "$package")"
