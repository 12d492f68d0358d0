#!/usr/bin/env bash
# Makes the build's own Wine prefix once; later calls return at once.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
test -f "$prefix/system.reg"
