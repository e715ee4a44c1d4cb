#!/usr/bin/env bash
# grt8.exe and konsola_grt8.exe under Wine against grt8-sim behind a COM port, end to end:
#   tests/windows/com_port_test.sh LINUX_BUILD WINDOWS_BUILD
# The simulator runs on a pseudo-terminal of this machine, and a Wine prefix made for this run
# under WINDOWS_BUILD has COM1 there. Wine's mount manager maps the COM ports when the prefix's
# server starts, from the registry's Wine\Ports (a link made in dosdevices alone is replaced by
# its own mapping), so COM1 is mapped once to a link that every simulator started here updates. The Linux grt8 against the same simulator gives the expected
# files, outputs and module memory, so both builds are held to the same behaviour.
set -euo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
sim=$linux/tools/grt8-sim
grt8=$linux/tools/grt8/grt8
grt8_exe=$windows/tools/grt8/grt8.exe
link_tests=$windows/tests/link/grt8_link_tests.exe

work=$windows/com-port-test
prefix=$work/wineprefix
rm -rf "$work"
mkdir -p "$work"
cd "$work"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

sim_pid=
unmapped=
cleanup() {
    if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; fi
    wineserver -k >/dev/null 2>&1 || true
}
trap cleanup EXIT

failures=0
check() { # DESCRIPTION COMMAND...: counts a failure when COMMAND fails
    local description=$1
    shift
    if "$@"; then
        echo "ok: $description"
    else
        echo "FAILED: $description" >&2
        failures=$((failures + 1))
    fi
}
contains() { grep -qF -- "$2" "$1"; }

# Starts grt8-sim with OPTIONS as COM1 of the prefix; its memory goes to dump.bin at exit.
start_module() {
    rm -f ready dump.bin
    "$sim" --fast --version G8v3.14 --ready-file ready --link "$work/com1" --dump dump.bin "$@" \
        >/dev/null 2>sim.err &
    sim_pid=$!
    for _ in $(seq 100); do [ -f ready ] && break; sleep 0.05; done
}
stop_module() { # a simulator that hung up has ended already
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" || true
    sim_pid=
}
# Runs grt8.exe with ARGUMENTS; its status, standard output and error in status, out, err.
run_exe() {
    local status=0
    wine "$grt8_exe" "$@" >out 2>err </dev/null || status=$?
    echo "$status" >status
}
status_is() { [ "$(cat status)" = "$1" ]; }

# The server is started apart, writing nowhere, so it holds no output of this script open.
quiet_server() { wineserver </dev/null >/dev/null 2>&1 || true; }
quiet_server
wine wineboot -i >/dev/null 2>&1
# COM5 leads to the same module for the console, which is told to use COM5. The console's
# windows live on a desktop of Wine's own, as in every prefix of the build (scripts/wine_run.sh).
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n"COM1"="%s"\n"COM5"="%s"\n' \
    "$work/com1" "$work/com1" >ports.reg
printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n' >>ports.reg
printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1024x768"\n' >>ports.reg
wine regedit /S ports.reg
wineserver -k
wineserver -w
quiet_server
wine cmd /c exit # the mount manager maps the ports
# A COM port the mount manager gave no device: the machine's own serial ports take some.
for n in 9 8 7 6 5 4 3 2; do [ -L "$prefix/dosdevices/com$n" ] || unmapped=COM$n; done

# Two memories the module can hold.
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 7 + 3) % 256 for i in range(512)))' >first.bin
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 13 + 5) % 256 for i in range(512)))' >second.bin

# The expectations, from the Linux grt8 against the simulator.
start_module --memory second.bin
"$grt8" read --port "$(cat ready)" -o second.gr8 2>/dev/null
stop_module
start_module --memory first.bin
"$grt8" read --port "$(cat ready)" -o expected-first.gr8 2>/dev/null
"$grt8" diff second.gr8 expected-first.gr8 >expected-diff 2>/dev/null || true
"$grt8" send --port "$(cat ready)" second.gr8 2>/dev/null
stop_module
mv dump.bin expected-dump.bin
start_module --memory first.bin

run_exe version --port COM1
check "version: status 0" status_is 0
check "version: the module's answer" [ "$(cat out)" = G8v3.14 ]
check "version: the log" contains err "Otwarcie portu COM1"

echo "an older file" >first.gr8
run_exe read --port COM1 -o first.gr8
check "read: status 0" status_is 0
check "read: the file replaced, as the Linux build reads it" cmp -s first.gr8 expected-first.gr8
check "read: no temporary file left" [ ! -e .first.gr8.saving ]

run_exe diff first.gr8 --port COM1
check "diff --port, same: status 0" status_is 0
check "diff --port, same: says so" contains err "no setting differs"
run_exe diff second.gr8 --port COM1
check "diff --port, different: status 1" status_is 1
check "diff --port, different: as the Linux build lists it" \
    cmp -s out expected-diff

run_exe send --port COM1 second.gr8
check "send: status 0" status_is 0
check "send: verified and restarted" contains err "Restart modułu z nową konfiguracją...OK."
run_exe diff second.gr8 --port COM1
check "send: the module now holds the file" status_is 0
GRT8_TEST_COM=COM1 wine "$link_tests" --gtest_brief=1 --gtest_filter='SerialPortWin32Test.*' \
    >settings.out 2>&1 || true
check "the link's port: the module's line" \
    contains settings.out "[  PASSED  ] 1 test."
stop_module
check "send: the module's memory as the Linux build leaves it" cmp -s dump.bin expected-dump.bin

run_exe version --port "$unmapped"
check "a COM port with nothing behind it: status 2" status_is 2
check "a COM port with nothing behind it: does not exist" contains err "$unmapped does not exist"

start_module --memory first.bin --hang-up-after 3
run_exe send --port COM1 second.gr8
check "hang-up during a send: status 1" status_is 1
check "hang-up during a send: the console's message" contains err "Błąd weryfikacji 2"
check "hang-up during a send: what it means" contains err "may hold part of the new configuration"
stop_module

start_module --memory first.bin --hang-up-after 2
cp second.gr8 kept.gr8
run_exe read --port COM1 -o kept.gr8
check "hang-up during a read: status 1" status_is 1
check "hang-up during a read: the existing file as it was" cmp -s kept.gr8 second.gr8
stop_module

# The console, konsola_grt8.exe, driven from outside through its windows (needs a display).
console=$windows/app/konsola_grt8.exe
driver=$windows/tests/windows/console_driver.exe
title="Konsola GRT-8"
# Captions with Polish letters reach Wine as UTF-8 whatever the caller's locale.
drive() { LC_ALL=C.UTF-8 wine "$driver" "$@" </dev/null 2>/dev/null; }
pane_has() { # waits up to thirty seconds (a send takes twenty) for the text in the log pane
    for _ in $(seq 150); do
        drive text "$title" 1019 >pane || true
        grep -qF -- "$1" pane && return 0
        sleep 0.2
    done
    return 1
}
# Answers the next Open or Save dialog with a file name.
choose_file() { drive set-text "$1" 1148 "$2" && drive command "$1" 1; }
# Opens an editor from the menu, changes one control, ends it with OK, and checks the change
# when it is opened again.
edit_and_check() { # MENU_ID CAPTION CONTROL_ID ACTION VALUE READ EXPECTED
    # The dialog manager's loop of a dialog ended with OK runs a moment after the dialog is
    # hidden, and a command that comes meanwhile would open the editor again from inside it,
    # before the change is applied.
    drive command "$title" "$1" && drive "$4" "$2" "$3" $5 && drive command "$2" 1 &&
        drive gone "$2" && sleep 1 && drive command "$title" "$1" || return 1
    local value
    value=$(drive "$6" "$2" "$3")
    drive command "$2" 2
    drive gone "$2" && [ "$value" = "$7" ]
}

start_console() { wine "$console" </dev/null >/dev/null 2>&1 & }
# The start-up load, of a file the editors could not take (the module's memory here is noise).
cp second.gr8 default.gr8
start_console
check "console: the start-up load" pane_has $'Ustawienia odczytane z pliku:\r\ndefault.gr8'
drive command "$title" 32773
check "console: Exit closes it" drive gone "$title"
rm default.gr8

# The rest starts from the zero image, which every editor takes.
start_module --memory first.bin
start_console
drive wait "$title" && sleep 1 # its start-up done before the first editor
check "console: general settings changed" \
    edit_and_check 32782 "Ustawienia ogólne" 1000 set-text +48601 text +48601
check "console: line settings changed" \
    edit_and_check 32783 "Ustawienia linii meldunkowych" 1022 check "" checked 1
check "console: SMS texts changed" \
    edit_and_check 32784 "Teksty powiadomień" 1014 set-text Wlamanie text Wlamanie
check "console: reports and control changed" \
    edit_and_check 32785 "Ustawienia raportów i sterowania" 1037 check "" checked 1
drive command "$title" 32772 && choose_file "Save As" "$(winepath -w "$work/zmiany.gr8")"
check "console: a Save, under the upper-case name" pane_has "ZMIANY.GR8"
drive command "$title" 32793
check "console: COM5 chosen" pane_has "Wybrano port COM5"
drive command "$title" 32780
check "console: the version query" pane_has "Wersja modułu : G8v3.14"
drive command "$title" 32775
check "console: a send" pane_has "Restart modułu z nową konfiguracją...OK."
drive command "$title" 32774
check "console: a read" pane_has "Odczyt konfiguracji zakończony."
drive command "$title" 32772 && choose_file "Save As" "$(winepath -w "$work/odczyt.gr8")"
check "console: the read saved" pane_has "ODCZYT.GR8"
"$grt8" read --port "$(cat ready)" -o linux-read.gr8 2>/dev/null
check "console: the read, as the Linux build reads it" cmp -s ODCZYT.GR8 linux-read.gr8
drive command "$title" 32771 && choose_file "Open" "$(winepath -w "$work/second.gr8")"
check "console: a Load" pane_has "Odczytano konfigurację z pliku:"
port_digit=${unmapped#COM}
port_ids=(0 32776 32777 32778 32779 32793 32798 32799 32800 32801)
drive command "$title" "${port_ids[$port_digit]}"
drive command "$title" 32780
drive box konsola_grt8 >box || true
check "console: a port that does not exist" contains box "Błąd otwarcia portu $unmapped !"
drive gone konsola_grt8
drive command "$title" 32773
check "console: Exit after all that" drive gone "$title"
stop_module
cp dump.bin console-dump.bin
start_module --memory first.bin
"$grt8" send --port "$(cat ready)" ZMIANY.GR8 2>/dev/null
stop_module
check "console: the module's memory after the send, as the Linux build leaves it" \
    cmp -s dump.bin console-dump.bin

if [ "$failures" -ne 0 ]; then
    echo "grt8.exe against a COM port under Wine: $failures checks failed; last output:" >&2
    cat out err >&2
    exit 1
fi
echo "grt8.exe against a COM port under Wine: every check passed"
