#!/usr/bin/env bash
# installer-tests.sh SETUP.exe PREFIX: the installer and its uninstaller
# under Wine, silent, in PREFIX (made afresh, as the tests' prefixes are:
# 64-bit Wine with its 32-bit half), as a user would meet them:
#   - an install puts the program, the Start menu shortcut and the
#     uninstall entry in place, and no Run value without /LOGON;
#   - an install over a running Tempovista fails, leaves it running and
#     changes nothing;
#   - /LOGON writes the Run value;
#   - the ready-made holiday lists are in place beside the program;
#   - the uninstaller removes the program, the holiday lists, the shortcut,
#     the Run value and the uninstall entry, and keeps the settings, the
#     user's list file and a list the user took into Documents.
# The installer is a 32-bit program: where the kernel runs no 32-bit programs
# itself (tools/setup.sh native32) this exits 77 (skipped), unless
# TV_RUN_EMULATED=1 asks for a run under emulation anyway (minutes).
# Needs a display for Tempovista (DISPLAY; ctest runs under xvfb-run).
set -u
setup=$(readlink -f "$1")
prefix=$2
tools=$(dirname "$(readlink -f "$0")")

if ! "$tools/setup.sh" native32 && [ "${TV_RUN_EMULATED:-}" != 1 ]; then
  echo "Skipped: this kernel runs no 32-bit programs itself, and the installer is one."
  exit 77
fi
[ -n "${DISPLAY:-}" ] || { echo "No display: run under xvfb-run." >&2; exit 1; }

wine=${TV_WINE:-wine}
# The registry through 64-bit reg.exe where there is one: it sees the same
# HKCU keys, and runs natively where 32-bit programs are emulated.
reg=/usr/lib/wine/wine64
[ -x $reg ] || reg=$wine
# No desktop entries for the host's menus from the shortcut. A server kept
# running for the whole test: every Wine start would start the services
# again otherwise.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The installer is a 32-bit program: no other run may pause the emulation
# under it.
exec 7>"$("$tools/wineprefix.sh" lock-file)"
flock -s 7
"$tools/wineprefix.sh" stop "$prefix" "$wine"
rm -rf "$prefix"
"$tools/wineprefix.sh" start "$prefix" "$wine" || exit 1
trap '"$tools/wineprefix.sh" stop "$prefix" "$wine"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all

failures=0
check() {  # description command...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
reg_value() {  # key name: the value's data, empty when there is none
  "$reg" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
has_value() { [ -n "$(reg_value "$1" "$2")" ]; }
lacks_value() { [ -z "$(reg_value "$1" "$2")" ]; }
equals() { [ "$1" = "$2" ]; }

uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tempovista'
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings='HKCU\Software\QRV\Tempovista'
shortcut() { find "$prefix/drive_c/users" -name Tempovista.lnk | grep -q .; }

# A list of the user's beside the program, named in the settings.
user=${USER:-$(id -un)}
users=$prefix/drive_c/users/$user
"$reg" reg add "$settings" /v HolidayFile /d 'C:\users\'"$user"'\AppData\Local\Programs\Tempovista\My holidays.tvh' /f >/dev/null

"$wine" "$setup" /S
check "a silent install succeeds" equals $? 0
dir=$users/AppData/Local/Programs/Tempovista
exe=$dir/Tempovista.exe
check "the program is in the user's programs folder" test -f "$exe"
check "the Start menu shortcut is there" shortcut
check "the ready-made holiday lists are beside the program" test -f "$dir/holidays/index.txt"
mkdir -p "$users/Documents"
cp "$(find "$dir/holidays" -name '*.tvh' | head -n 1)" "$users/Documents/Ready-made holidays.tvh"
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString; do
  check "the uninstall entry has $value" has_value "$uninstall" $value
done
check "the publisher is QRV" equals "$(reg_value "$uninstall" Publisher)" QRV
check "no Run value without /LOGON" lacks_value "$run" Tempovista
printf '!Version: 1.0\nNew Year|2004/01/01\n' >"$dir/My holidays.tvh"

# Over a running Tempovista: it is up once it has written its cache paths.
"$wine" "$exe" &
program=$!
for _ in $(seq 1 120); do has_value "$settings" CounterCacheFile && break; sleep 2; done
before=$(cd "$dir" && ls -l --time-style=+%s && md5sum Tempovista.exe)
"$wine" "$setup" /S /LOGON
check "a silent install over a running Tempovista fails" test $? -ne 0
check "Tempovista is still running" kill -0 $program
check "the installed files are unchanged" equals "$(cd "$dir" && ls -l --time-style=+%s && md5sum Tempovista.exe)" "$before"
check "no Run value was written" lacks_value "$run" Tempovista
kill -KILL $program
wait $program 2>/dev/null

"$wine" "$setup" /S /LOGON
check "an install with /LOGON succeeds" equals $? 0
check "/LOGON writes the Run value" equals "$(reg_value "$run" Tempovista)" "\"C:\\users\\$user\\AppData\\Local\\Programs\\Tempovista\\Tempovista.exe\""

# The uninstaller runs a copy of itself from the temporary folder and
# returns at once; the uninstall entry is the last thing that copy removes.
"$wine" "$dir/Uninstall Tempovista.exe" /S
for _ in $(seq 1 150); do lacks_value "$uninstall" DisplayName && break; sleep 2; done
check "the uninstaller removes the program" test ! -e "$exe"
check "the uninstaller removes the holiday lists" test ! -e "$dir/holidays"
check "the uninstaller removes itself" test ! -e "$dir/Uninstall Tempovista.exe"
check "the uninstaller removes the shortcut" eval '! shortcut'
check "the uninstaller removes the Run value" lacks_value "$run" Tempovista
check "the uninstaller removes the uninstall entry" lacks_value "$uninstall" DisplayName
check "the settings stay" has_value "$settings" HolidayFile
check "the user's list file stays" test -f "$dir/My holidays.tvh"
check "the list the user took into Documents stays" test -f "$users/Documents/Ready-made holidays.tvh"

echo "$failures failed"
[ $failures = 0 ]
