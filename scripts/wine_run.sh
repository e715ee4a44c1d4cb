#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of the build's own, never the user's ~/.wine:
#   scripts/wine_run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# The prefix is made on first use; runs in parallel wait for each other while it is being made.
# The server is started apart, writing nowhere: one started by a test's own wine would hold the
# test's output open after the test ends, and writes its leftover objects there when it exits.
set -euo pipefail
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    wineserver </dev/null >/dev/null 2>&1 || true # already running
    if [ ! -f "$prefix/system.reg" ]; then
        wine wineboot -i >/dev/null 2>&1
        # Windows live on a desktop of Wine's own: on an X server without a window manager
        # every activation and focus change would wait for one, two seconds each.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
            >/dev/null 2>&1
    fi
) 9>"$prefix.lock"
exec wine "$@"
