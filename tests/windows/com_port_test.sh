#!/usr/bin/env bash
# grt8.exe and konsola_grt8.exe under Wine against grt8-sim behind a COM port, end to end:
#   tests/windows/com_port_test.sh LINUX_BUILD WINDOWS_BUILD
# The simulator runs on a pseudo-terminal of this machine, and a Wine prefix made for this run
# under WINDOWS_BUILD has COM1 and COM5 there. Wine's mount manager maps the COM ports when the
# prefix's server starts, from the registry's Wine\Ports (a link made in dosdevices alone is
# replaced by its own mapping), so the ports are mapped once to a link that every simulator
# started here updates. The Linux grt8 against the same simulator gives the expected files and
# module memory, so both builds are held to the same behaviour. Every step's status and output
# go into a transcript, which must equal expected/com_port_test.txt.
set -euo pipefail
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
expected=$(cd "$(dirname "$0")" && pwd)/expected/com_port_test.txt
sim=$linux/tools/grt8-sim
grt8=$linux/tools/grt8/grt8
link_tests=$windows/tests/link/grt8_link_tests.exe
work=$windows/com-port-test
rm -rf "$work" && mkdir -p "$work" && cd "$work"
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

sim_pid=
trap 'kill $sim_pid 2>/dev/null || true; wineserver -k >/dev/null 2>&1 || true' EXIT

# Starts grt8-sim with OPTIONS behind the ports; its memory goes to dump.bin at exit.
start_module() {
    rm -f ready dump.bin
    "$sim" --fast --version G8v3.14 --ready-file ready --link "$work/com1" --dump dump.bin "$@" \
        >/dev/null 2>sim.err &
    sim_pid=$!
    for _ in $(seq 100); do [ -f ready ] && break; sleep 0.05; done
}
stop_module() { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" || true; } # or it hung up
# Adds to the transcript the step's name, then the command's status, standard output and
# error, with the unmapped port's name made COMx, the work folder <WORK> as the console logs
# it, Windows line ends made plain, and how often a failed write repeated left out (it depends
# on when the module hung up).
step() { # NAME COMMAND...
    local status=0
    "${@:2}" >out 2>err </dev/null || status=$?
    { echo "== $1: $status" && cat out err; } |
        sed -e "s/$unmapped\\b/COMx/g" -e "s|$work_in_log|<WORK>|g" -e 's/\r$//' \
            -e 's/(the same message [0-9]* more times)/(the same message again)/' -e '$a\' >>transcript
}
grt8_exe() { wine "$windows/tools/grt8/grt8.exe" "$@"; }

# The server is started apart, writing nowhere, and kept till the end, so no output of a step goes
# to a server of its own (which writes its leftover objects there when it exits). The
# windows live on a desktop of Wine's own, as in every prefix of the build (scripts/wine_run.sh).
wineserver -p </dev/null >/dev/null 2>&1 || true
wine wineboot -i >/dev/null 2>&1
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n"COM1"="%s"\n"COM5"="%s"\n' \
    "$work/com1" "$work/com1" >ports.reg
printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n' >>ports.reg
printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1024x768"\n' >>ports.reg
wine regedit /S ports.reg
wineserver -k && wineserver -w
wineserver -p </dev/null >/dev/null 2>&1 || true
wine cmd /c exit # the mount manager maps the ports
# A COM port the mount manager gave no device: the machine's own serial ports take some.
for n in 9 8 7 6 5 4 3 2; do [ -L "$WINEPREFIX/dosdevices/com$n" ] || unmapped=COM$n; done
work_in_log=$(winepath -w "$work" | tr '[:lower:]' '[:upper:]' | sed 's/[\\.]/\\&/g')

# Two memories the module can hold, and what the Linux grt8 makes of them.
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 7 + 3) % 256 for i in range(512)))' >first.bin
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 13 + 5) % 256 for i in range(512)))' >second.bin
start_module --memory second.bin
"$grt8" read --port "$(cat ready)" -o second.gr8 2>/dev/null
stop_module
start_module --memory first.bin
"$grt8" read --port "$(cat ready)" -o expected-first.gr8 2>/dev/null
"$grt8" send --port "$(cat ready)" second.gr8 2>/dev/null
stop_module
mv dump.bin expected-dump.bin

start_module --memory first.bin
step "version" grt8_exe version --port COM1
# Over a longer file, which only a whole replacement leaves equal to the Linux build's read.
cat second.gr8 second.gr8 >first.gr8
step "read over an existing file" grt8_exe read --port COM1 -o first.gr8
step "read: the file as the Linux build reads it" cmp first.gr8 expected-first.gr8
step "read: no temporary file left" find . -maxdepth 1 -name "*.saving"
step "diff --port, the module holding another configuration" grt8_exe diff second.gr8 --port COM1
step "send" grt8_exe send --port COM1 second.gr8
step "diff --port, the module holding the file sent" grt8_exe diff second.gr8 --port COM1
step "the link's port settings on the module's line" sh -c 'GRT8_TEST_COM=COM1 wine "$0" \
    --gtest_brief=1 --gtest_filter=SerialPortWin32Test.* | grep -c "PASSED  ] 1 test"' "$link_tests"
stop_module
step "the module's memory as the Linux build leaves it" cmp dump.bin expected-dump.bin
step "a COM port with nothing behind it" grt8_exe version --port "$unmapped"
start_module --memory first.bin --hang-up-after 3
step "hang-up during a send" grt8_exe send --port COM1 second.gr8
stop_module
start_module --memory first.bin --hang-up-after 2
cp second.gr8 kept.gr8
step "hang-up during a read" grt8_exe read --port COM1 -o kept.gr8
step "hang-up during a read: the existing file as it was" cmp kept.gr8 second.gr8
stop_module

# The console, konsola_grt8.exe, driven from outside through its windows (needs a display).
# Captions with Polish letters reach Wine as UTF-8 whatever the caller's locale.
title="Konsola GRT-8"
drive() { LC_ALL=C.UTF-8 wine "$windows/tests/windows/console_driver.exe" "$@" </dev/null; }
pane_with() { # TEXT: the whole pane once TEXT is in it (a send takes twenty seconds)
    for _ in $(seq 150); do
        drive text "$title" 1019 >pane || true
        grep -qF -- "$1" pane && break
        sleep 0.2
    done
    cat pane
}
after() { drive command "$title" "$1" && pane_with "$2"; }
file_dialog() { # COMMAND_ID CAPTION NAME: the pane after the file command, answered with NAME
    drive command "$title" "$1" && drive set-text "$2" 1148 "$3" && drive command "$2" 1 &&
        pane_with "${3^^}"
}
# An editor opened from the menu, one control changed, closed with OK. The dialog manager's loop
# of a dialog ended with OK runs a moment after it is hidden; a command meanwhile would open the
# next editor from inside it.
edit() { # MENU_ID CAPTION ACTION CONTROL_ID [TEXT]
    drive command "$title" "$1" && drive "$3" "$2" "${@:4}" && drive command "$2" 1 &&
        drive gone "$2" && sleep 1
}

# The start-up load, of a file the editors could not take (the module's memory here is noise).
cp second.gr8 default.gr8
wine "$windows/app/konsola_grt8.exe" </dev/null >/dev/null 2>&1 &
step "console: the start-up load" drive text "$title" 1019
step "console: Exit" drive command "$title" 32773
step "console: closed" drive gone "$title"
rm default.gr8

# The rest starts from the zero image, which every editor takes.
start_module --memory first.bin
wine "$windows/app/konsola_grt8.exe" </dev/null >/dev/null 2>&1 &
drive wait "$title" && sleep 1 # its start-up done before the first editor
step "console: the zero image saved" file_dialog 32772 "Save As" pusty.gr8
step "console: general settings changed" edit 32782 "Ustawienia ogólne" set-text 1000 +48601
step "console: line settings changed" edit 32783 "Ustawienia linii meldunkowych" click 1022
step "console: SMS texts changed" edit 32784 "Teksty powiadomień" set-text 1014 Wlamanie
step "console: reports and control changed" \
    edit 32785 "Ustawienia raportów i sterowania" click 1037
step "console: the changes saved" file_dialog 32772 "Save As" zmiany.gr8
step "console: what the editors changed" "$grt8" diff PUSTY.GR8 ZMIANY.GR8
step "console: COM5 chosen" after 32793 COM5
step "console: the version" after 32780 Wersja
step "console: a send" after 32775 "nową konfiguracją...OK."
step "console: a read" after 32774 zakończony
step "console: the read saved" file_dialog 32772 "Save As" odczyt.gr8
"$grt8" read --port "$(cat ready)" -o linux-read.gr8 2>/dev/null
step "console: the read as the Linux build reads it" cmp ODCZYT.GR8 linux-read.gr8
step "console: a Load" file_dialog 32771 Open second.gr8
ids=(0 32776 32777 32778 32779 32793 32798 32799 32800 32801)
drive command "$title" "${ids[${unmapped#COM}]}"
drive command "$title" 32780
step "console: a port that does not exist" drive text konsola_grt8 65535
drive command konsola_grt8 1 && drive gone konsola_grt8
step "console: the pane after it" drive text "$title" 1019
# A close during a send waits for its end, so the module takes the whole configuration.
drive command "$title" 32793 && drive command "$title" 32775 && sleep 2 && drive command "$title" 2
step "console: closed after the send" drive gone "$title"
stop_module
step "console: the module after its send, as the Linux build leaves it" \
    cmp dump.bin expected-dump.bin

diff -u "$expected" transcript >&2 && echo "grt8.exe and konsola_grt8.exe under Wine: as expected"
