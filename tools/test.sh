#!/usr/bin/env bash
# Builds and runs every test of Tempovista: the native build (portable code
# under AddressSanitizer and UndefinedBehaviorSanitizer), then the Windows
# build with every test .exe under Wine on an Xvfb display of its own.
# Installs whatever is missing first (Debian packages, when run as root).
set -uo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh || exit 1
jobs=$(nproc)
set -e
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/win -j"$jobs"
set +e

echo "== native tests"
(cd build/native && ctest --output-on-failure -j"$jobs")
native=$?

echo "== Windows tests under Wine"
export WINEPREFIX=$PWD/build/win/wineprefix WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c 'cd build/win && ctest --output-on-failure -j2; rc=$?; wineserver -k 2>/dev/null; exit $rc'
windows=$?

[ $native -eq 0 ] && [ $windows -eq 0 ]
