#!/usr/bin/env bash
# The build's own Wine prefix, and a Wine server kept running in it for the
# whole test run.
#   wineprefix.sh start PREFIX WINE   makes PREFIX once (later calls skip
#                                     that), then starts its server and
#                                     services, detached from the caller
#   wineprefix.sh stop PREFIX WINE    stops them
# WINE is the build's loader: /usr/lib/wine/wine64 for the x64 build, wine
# for the i686 one.
#
# Why a server of our own: the first Wine program to start in a prefix
# starts the server and the services, and they inherit its output. ctest
# waits for the end of a test's output, so that first test lasted until the
# very last program of the run had ended. Started here, with their output
# going nowhere, every test takes its own time.
set -eu
action=$1
prefix=$2
wine=$3
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server=$(dirname "$(readlink -f "$(command -v "$wine")")")/wineserver
[ -x "$server" ] || server=wineserver

case $action in
start)
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    # A 64-bit prefix also runs 32-bit set-up steps. Where 32-bit programs
    # run only under emulation (tools/setup.sh), those steps take minutes,
    # and 64-bit programs need none of them: switch the emulation off while
    # the prefix is made, so they fail at once.
    qemu=/proc/sys/fs/binfmt_misc/qemu-i386
    paused=
    if [ "${wine##*/}" = wine64 ] && [ -w "$qemu" ] && head -1 "$qemu" | grep -qx enabled; then
      echo 0 >"$qemu" && paused=1
    fi
    "$wine" wineboot -i </dev/null >/dev/null 2>&1 || true
    "$server" -w || true
    [ -z "$paused" ] || echo 1 >"$qemu"
  fi
  test -f "$prefix/system.reg"
  # A persistent server, then the services, both out of ctest's sight.
  setsid "$server" -p </dev/null >/dev/null 2>&1 &
  setsid "$wine" wineboot </dev/null >/dev/null 2>&1
  ;;
stop)
  "$server" -k 2>/dev/null || true
  ;;
esac
