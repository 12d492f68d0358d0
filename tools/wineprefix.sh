#!/usr/bin/env bash
# The build's own Wine prefix, and a Wine server kept running in it for the
# whole test run.
#   wineprefix.sh make PREFIX WINE    makes PREFIX once (later calls skip
#                                     that)
#   wineprefix.sh start PREFIX WINE   makes it if need be, then starts its
#                                     server and services, detached from the
#                                     caller
#   wineprefix.sh stop PREFIX WINE    stops them
# WINE is the build's loader: /usr/lib/wine/wine64 for the x64 build, wine
# for the i686 one. Either way the prefix is a 64-bit one with its 32-bit
# half, made and served by 64-bit Wine, which runs natively on any x86-64
# kernel; only the 32-bit set-up steps run 32-bit programs.
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
wine64=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
[ -x $wine64 ] || wine64=$wine
[ -x $server ] || server=wineserver

make_prefix() {
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    # The prefix's 32-bit set-up steps: where 32-bit programs run only under
    # emulation (tools/setup.sh) they take minutes, and the x64 build needs
    # none of them: for it, switch the emulation off while the prefix is
    # made, so they fail at once.
    qemu=/proc/sys/fs/binfmt_misc/qemu-i386
    paused=
    if [ "${wine##*/}" = wine64 ] && [ -w "$qemu" ] && head -1 "$qemu" | grep -qx enabled; then
      echo 0 >"$qemu" && paused=1
    fi
    "$wine64" wineboot -i </dev/null >/dev/null 2>&1 || true
    "$server" -w || true
    [ -z "$paused" ] || echo 1 >"$qemu"
  fi
  test -f "$prefix/system.reg"
}

case $action in
make)
  make_prefix
  ;;
start)
  make_prefix
  # A persistent server, then the services, both out of ctest's sight.
  setsid "$server" -p </dev/null >/dev/null 2>&1 &
  setsid "$wine64" wineboot </dev/null >/dev/null 2>&1
  ;;
stop)
  "$server" -k 2>/dev/null || true
  ;;
esac
