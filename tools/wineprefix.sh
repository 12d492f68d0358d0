#!/usr/bin/env bash
# A Wine prefix for a build's programs, and a Wine server kept running in it.
#   wineprefix.sh make PREFIX WINE    makes PREFIX once (later calls skip
#                                     that)
#   wineprefix.sh start PREFIX WINE   makes it if need be, then starts its
#                                     server and services, detached from the
#                                     caller
#   wineprefix.sh stop PREFIX WINE    stops them
#   wineprefix.sh lock-file           the machine-wide lock that a run
#                                     holds shared while it starts 32-bit
#                                     programs (see make_template)
# WINE is the build's loader: /usr/lib/wine/wine64 for the x64 build, wine
# for the i686 one. Either way the prefix is a 64-bit one with its 32-bit
# half, made and served by 64-bit Wine, which runs natively on any x86-64
# kernel; only the 32-bit set-up steps run 32-bit programs.
#
# A new prefix takes 10 s (x64) to minutes (i686, where 32-bit programs are
# emulated): one is made per Wine version and kind, kept in TV_CACHE_DIR
# (default ~/.cache/tempovista), and copied.
#
# Why a server of our own: the first Wine program to start in a prefix
# starts the server and the services, and they inherit its output. ctest
# waits for the end of a test's output, so that first test lasted until the
# very last program of the run had ended. Started here, with their output
# going nowhere, every test takes its own time.
set -eu
emulation_lock=/tmp/tempovista-emulation.lock
action=$1
if [ "$action" = lock-file ]; then
  echo "$emulation_lock"
  exit 0
fi
prefix=$2
wine=$3
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine64=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
[ -x $wine64 ] || wine64=$wine
[ -x $server ] || server=wineserver
cache=${TV_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tempovista}

# The cached prefix for this Wine and this loader.
kind=wow64
[ "${wine##*/}" = wine64 ] && kind=x64
template=$cache/wineprefix-$("$wine64" --version 2>/dev/null | tr -c 'A-Za-z0-9.\n-' _)-$kind

make_template() {
  mkdir -p "$cache"
  (
    flock 9
    [ -f "$template/system.reg" ] && exit 0
    rm -rf "$template.new"
    mkdir -p "$template.new"
    # The prefix's 32-bit set-up steps: where 32-bit programs run only under
    # emulation (tools/setup.sh) they take minutes, and the x64 build needs
    # none of them: for it, switch the emulation off while the prefix is
    # made, so they fail at once. The switch is machine-wide: it is made
    # under the lock that every run takes (shared) before it starts a 32-bit
    # program, and undone on every way out; should this script be killed
    # outright, tools/setup.sh i386 switches the emulation on again.
    qemu=/proc/sys/fs/binfmt_misc/qemu-i386
    if [ $kind = x64 ] && [ -w "$qemu" ]; then
      exec 8>"$emulation_lock"
      flock 8
      if head -1 "$qemu" | grep -qx enabled; then
        trap 'echo 1 >"$qemu"' EXIT
        trap 'exit 143' TERM INT HUP
        echo 0 >"$qemu"
      fi
    fi
    WINEPREFIX=$template.new "$wine64" wineboot -i </dev/null >/dev/null 2>&1 || true
    WINEPREFIX=$template.new "$server" -w || true
    [ -f "$template.new/system.reg" ] || { echo "wineboot made no prefix" >&2; exit 1; }
    # Wine links the user's Documents, Desktop and the like to the home
    # folder: the prefix gets folders of its own, so that what the programs
    # and tests write there stays in the prefix and out of the home folder.
    for link in "$template.new"/drive_c/users/*/*; do
      if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
    done
    mv "$template.new" "$template"
  ) 9>"$template.lock"
}

make_prefix() {
  [ -f "$prefix/system.reg" ] && return 0
  make_template
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  cp -a "$template" "$prefix"
}

case $action in
make)
  make_prefix
  ;;
start)
  make_prefix
  # A persistent server, then the services, both out of ctest's sight. The
  # server puts itself in the background once it listens: waited for, so
  # that wineboot cannot start a server of its own first, one that would
  # end with the services and leave the lane's first test to start the
  # next one, in ctest's sight.
  setsid -w "$server" -p </dev/null >/dev/null 2>&1
  setsid -w "$wine64" wineboot </dev/null >/dev/null 2>&1
  # A crashing program ends at once, winedbg's backtrace in its output,
  # instead of waiting in the crash dialog for the test's time-out. The
  # cached prefixes were made without it.
  setsid -w "$wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1
  ;;

stop)
  "$server" -k 2>/dev/null || true
  ;;
esac
