#!/usr/bin/env bash
# Builds Tempovista and starts it under Wine: tools/run.sh [arguments...]
# The arguments go to Tempovista.exe (for example "shownow").
#
# Installs what is missing first (Debian packages, when run as root), then
# builds and starts the i686 program (build/win, the one we ship) where the
# kernel runs 32-bit programs, and the x64 one (build/win64) where it does
# not, so that the window shows within a minute on any machine; these are
# the folders tools/test.sh uses ($TV_BUILD_DIR instead, when set).
# With a display ($DISPLAY set) the program runs there until you exit it
# from its tray menu. Without one, it starts an Xvfb display and a Wine
# virtual desktop (which draws a task bar with the notification area), runs
# the program in it, saves a screenshot, prints where, and stops everything.
# Wine keeps the program's settings in $WINEPREFIX (Wine's default, ~/.wine,
# when unset).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
if tools/setup.sh native32; then
  build=${TV_BUILD_DIR:-build/win} toolchain=mingw-i686 wine=wine
  echo "Starting the i686 program (this kernel runs 32-bit programs)"
else
  build=${TV_BUILD_DIR:-build/win64} toolchain=mingw-x86_64 wine=/usr/lib/wine/wine64
  echo "Starting the x64 program (this kernel runs no 32-bit programs itself)"
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/$toolchain.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target Tempovista
exe=$(cd "$build" && pwd)/Tempovista.exe

export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# While it runs, no test run may pause the 32-bit emulation under it.
exec 7>"$(tools/wineprefix.sh lock-file)"
flock -s 7
if [ ! -f "${WINEPREFIX:-$HOME/.wine}/system.reg" ]; then
  echo "Making the Wine prefix ${WINEPREFIX:-$HOME/.wine} (once; this takes a while)"
  tools/wineprefix.sh make "${WINEPREFIX:-$HOME/.wine}" "$wine"
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$wine" "$exe" "$@"
fi

# No display: one of our own, and the program on a virtual desktop in it.
shot=${TV_SCREENSHOT:-$(dirname "$exe")/screenshot.png}
delay=${TV_SCREENSHOT_DELAY:-20}
display=
for n in $(seq 99 -1 50); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "No free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=
cleanup() {
  "$(dirname "$(readlink -f "$(command -v "$wine")")")/wineserver" -k >/dev/null 2>&1 || true
  [ -z "$program" ] || kill "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
sleep 2
winexe="Z:${exe//\//\\}"
"$wine" explorer /desktop=tv,1024x768 "$winexe" "$@" >/dev/null 2>&1 &
program=$!
# Wait for the virtual desktop to appear, then give the program time to
# draw its window in it.
echo "Tempovista is starting on display $display"
for _ in $(seq 1 120); do
  xdotool search --name "Wine desktop" >/dev/null 2>&1 && break
  sleep 5
done
sleep "$delay"
import -window root "$shot"
echo "Screenshot of the window: $shot"
