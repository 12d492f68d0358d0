#!/usr/bin/env bash
# Builds and runs every test of Tempovista:
#   0. the include checks (tools/check-includes.sh);
#   1. the native tests (portable code under AddressSanitizer and
#      UndefinedBehaviorSanitizer);
#   2. every Windows test against the x64 build (build/win64), under 64-bit
#      Wine, which runs at native speed on any x86-64 kernel;
#   3. the i686 build (build/win, the program we ship): every Windows test
#      where the kernel runs 32-bit programs itself; where it does not, the
#      end-to-end tests only (Tempovista.exe and its test build, which
#      logs its tray calls, driven as a user would), under the qemu
#      emulation tools/setup.sh registers; the installer tests are then
#      skipped, with the reason (TV_RUN_EMULATED=1 runs them emulated).
# Installs whatever is missing first (Debian packages, when run as root), and
# ends with each ctest summary, the tests that were skipped, and how much
# the compiler cache (ccache, CCACHE_DIR) and the machine's cache of Wine
# prefixes and holiday lists (TV_CACHE_DIR, ~/.cache/tempovista) saved.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh || exit 1
jobs=$(nproc)
logs=build/test-logs
rm -rf $logs build/*/test-reports
mkdir -p $logs
if tools/setup.sh native32; then native32=1; else native32=; fi
start=$(date +%s)
stamp() { echo "== $1 at $(( $(date +%s) - start )) s"; }
ccache --print-stats >$logs/ccache-before.txt 2>/dev/null

configure() {  # folder [toolchain [cmake-args...]]
  local args=(-S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  [ -z "${2:-}" ] || args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/$2.cmake "${@:3}")
  cmake "${args[@]}" >/dev/null
}

export WINEDEBUG=-all
# The x64 build's Wine prefix first, before any 32-bit emulation is
# registered: its 32-bit set-up steps then fail at once.
tools/wineprefix.sh make "$PWD/build/win64/lanes/0/wineprefix" /usr/lib/wine/wine64
# Held from here on: no other run on the machine may pause the 32-bit
# emulation while this one starts 32-bit programs (tools/wineprefix.sh).
exec 7>"$(tools/wineprefix.sh lock-file)"
flock -s 7
if [ -z "$native32" ]; then
  # The i686 build's Wine prefix is made under emulation, which takes
  # minutes the first time on a machine (then it is cached): meanwhile.
  tools/setup.sh i386 || exit 1
  ( s=$(date +%s); tools/wineprefix.sh make "$PWD/build/win/lanes/0/wineprefix" wine
    echo "i686 Wine prefix ready in $(( $(date +%s) - s )) s" ) >$logs/wineprefix-i686.log 2>&1 &
  prefix_job=$!
fi

set -e
configure build/native
cmake --build build/native -j"$jobs"
stamp "native built"
configure build/win64 mingw-x86_64
cmake --build build/win64 -j"$jobs"
stamp "x64 built"
if [ -n "$native32" ]; then
  configure build/win mingw-i686 -DTV_E2E_DRIVER= -DTV_WINE_LANES="$jobs"
  cmake --build build/win -j"$jobs"
else
  # The programs under test only: the x64 build's test program drives them.
  # A 32-bit program's start under emulation keeps a core busy only half
  # the time (Wine's reservation of its address space, one emulated mmap
  # after another): one lane more than cores.
  emulated_lanes=$((jobs + 1))
  configure build/win mingw-i686 -DTV_E2E_DRIVER="$PWD/build/win64/e2e_win_tests.exe" \
    -DTV_WINE_LANES=$emulated_lanes
  cmake --build build/win -j"$jobs" --target Tempovista Tempovista_test
fi
set +e
stamp "i686 built"

# ctest in a folder, on an Xvfb display of its own (the Windows tests run on
# their lanes' displays; the installer tests on this one); the summary goes
# to the log for the end.
run_ctest() {  # name folder ctest-args...
  local name=$1 dir=$2
  shift 2
  stamp "$name"
  (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24" \
     ctest --output-on-failure -j"$jobs" "$@") | tee $logs/$name.log
  return "${PIPESTATUS[0]}"
}

rc=0
# The folders' includes point one way (tools/check-includes.sh).
if tools/check-includes.sh >$logs/includes.log; then
  includes="no include breaks the folders' order"
else
  includes="includes that break the folders' order:"
  rc=1
fi
if [ -z "$native32" ]; then
  # Each start of the 32-bit program costs the better part of a minute of
  # processor time under emulation: the end-to-end tests that drive the
  # shipped program through its life (first run and exit from the tray, a
  # second start, the stored holidays on the first page) run here; all of
  # them run against the x64 build below, and where the kernel runs 32-bit
  # programs, against this build too. The x64 build's test program drives
  # them, so that only the programs under test are emulated. An emulated
  # start mostly waits (Wine's reservation of its address space, one
  # emulated mmap after another), so they run meanwhile, beside the native
  # and x64 tests; their checks wait patiently for a loaded machine.
  filter='AppTest.FirstRun*:AppTest.SecondStart*:StoredHolidays.*'
  why="this kernel runs no 32-bit programs: the i686 build's end-to-end tests $filter only, its programs under qemu-i386 emulation, driven by the x64 build's test program, beside the other tests"
  if [ "${TV_RUN_EMULATED:-}" = 1 ]; then
    why="$why, and the installer tests (TV_RUN_EMULATED=1)"
  else
    why="$why; the installer tests are skipped, the installer being a 32-bit program (TV_RUN_EMULATED=1 runs them emulated, some 7 minutes)"
  fi
  wait "$prefix_job"
  cat $logs/wineprefix-i686.log
  (
    export GTEST_FILTER=$filter
    jobs=$emulated_lanes
    run_ctest win-i686 build/win -R '^(e2e_win_tests(_[0-9]+)?|release_files_build|installer_tests)$'
  ) >$logs/win-i686.out 2>&1 &
  emulated_job=$!
fi
run_ctest native build/native || rc=1
# Without the lock: should the x64 lanes' prefix still need making, it
# pauses the emulation, once this run's 32-bit programs let it.
run_ctest win64 build/win64 7>&- || rc=1
if [ -n "$native32" ]; then
  why="this kernel runs 32-bit programs: every Windows test of the i686 build"
  run_ctest win-i686 build/win || rc=1
else
  wait "$emulated_job" || rc=1
  cat $logs/win-i686.out
fi

echo
echo "== summary ($(( $(date +%s) - start )) s in all)"
echo "native: the portable tests, natively with sanitizers"
echo "win64: every Windows test of the x64 build under 64-bit Wine"
echo "win-i686: $why"
echo "includes: $includes"
cat $logs/includes.log
for name in native win64 win-i686; do
  echo "-- $name"
  sed -n '/tests passed, /,$p' $logs/$name.log
done
ccache --print-stats >$logs/ccache-after.txt 2>/dev/null
/usr/bin/python3 tools/test-summary.py $logs build/native build/win64 build/win
exit $rc
