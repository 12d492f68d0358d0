#!/usr/bin/env bash
# Lanes for the Windows tests of one build: each lane is a Wine prefix with
# its own Wine server (so its own registry, mutexes, windows and Documents
# folder), its own Xvfb display, and its own web and FTP servers for the
# list tests. Tests in different lanes share nothing but the build folder,
# so they run side by side; one lane runs one test at a time.
#   wine-lanes.sh start LANES WINE N   makes the N lanes' prefixes if need be
#                                      (tools/wineprefix.sh), then starts
#                                      their servers and displays
#   wine-lanes.sh stop LANES WINE N    stops them all
#   wine-lanes.sh run LANES WINE N CMD...
#                                      runs CMD in the first free lane, with
#                                      WINEPREFIX, DISPLAY and TV_LANE_DIR set
#                                      (waits for one while all are busy)
set -eu
action=$1 lanes=$2 wine=$3 n=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)

start_lane() {  # dir
  local dir=$1 i
  stop_lane "$dir"
  # A display of the lane's own: windows, focus and the screen are the
  # lane's alone.
  rm -f "$dir/display"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for i in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
  [ -s "$dir/display" ] || { echo "Xvfb did not start for $dir" >&2; return 1; }
  export DISPLAY=:$(cat "$dir/display")
  # With no window manager Wine waits two seconds at every hide of a window
  # for a confirmation that never comes: this one confirms (tools/lane-wm.py).
  setsid /usr/bin/python3 "$here/lane-wm.py" </dev/null >/dev/null 2>&1 &
  "$here/wineprefix.sh" start "$dir/wineprefix" "$wine"
  "$here/test-servers.sh" start "$dir/list-servers"
}

stop_lane() {  # dir
  local dir=$1
  "$here/wineprefix.sh" stop "$dir/wineprefix" "$wine"
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
  [ ! -d "$dir/list-servers" ] || "$here/test-servers.sh" stop "$dir/list-servers"
}

case $action in
start | stop)
  mkdir -p "$lanes"
  # The prefix is made (or copied from the cached one) once, before the
  # lanes start side by side.
  [ "$action" = stop ] || "$here/wineprefix.sh" make "$lanes/0/wineprefix" "$wine"
  pids=()
  for i in $(seq 0 $((n - 1))); do
    mkdir -p "$lanes/$i"
    if [ "$action" = start ]; then start_lane "$lanes/$i" & else stop_lane "$lanes/$i" & fi
    pids+=($!)
  done
  rc=0
  for p in "${pids[@]}"; do wait "$p" || rc=1; done
  exit $rc
  ;;
run)
  # The first free lane; its lock is held by this shell, not by the test,
  # so that nothing the test leaves running keeps the lane.
  while :; do
    for i in $(seq 0 $((n - 1))); do
      exec 9>"$lanes/$i.lock"
      if flock -n 9; then
        dir=$lanes/$i
        export WINEPREFIX=$dir/wineprefix DISPLAY=:$(cat "$dir/display") TV_LANE_DIR=$dir
        # The test's output goes through a file, not straight to ctest:
        # the first program in a lane to make a window has Wine start the
        # lane's desktop process (explorer.exe), which inherits its output
        # and keeps it open while the lane is in use, and ctest counted
        # that test running until then (up to 90 s for a test of 2 s).
        out=$(mktemp)
        "$@" >"$out" 2>&1 9>&- </dev/null &
        test=$!
        trap 'kill "$test" 2>/dev/null; cat "$out"; rm -f "$out"; exit 143' TERM INT
        rc=0
        wait "$test" || rc=$?
        cat "$out"
        rm -f "$out"
        exit $rc
      fi
      exec 9>&-
    done
    sleep 0.2
  done
  ;;
*)
  echo "usage: $0 start|stop|run LANES WINE N ..." >&2
  exit 2
  ;;
esac
