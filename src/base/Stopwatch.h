#pragma once
#include <cstdint>

// A finished run: its whole seconds, and when it began and ended in
// seconds since 1970.
struct StopwatchRun {
  int64_t seconds = 0;
  int64_t start = 0;
  int64_t stop = 0;
};

// What a stopwatch must keep to go on after the program ends: whether it
// runs and whether it is cleared, and its times in seconds since 1970.
struct StopwatchState {
  bool running = false;
  bool cleared = true;
  int64_t originalStart = 0;
  int64_t lastStart = 0;
  int64_t lastStop = 0;
  int64_t accumulated = 0;
};

// A stopwatch in whole seconds over any number of start-stop segments,
// measured on the clock seam's seconds since 1970: the hour the clocks go
// back or forward neither counts twice nor vanishes, while a clock set by
// hand moves the time by just as much. Cleared, the next start begins a new
// run; stopped but not cleared, it continues the same run.
class Stopwatch {
 public:
  // What a kept watch may hold, as far as the system's file times reach:
  // times from 1601-01-01 to 30827-12-31, and seconds run (negative after
  // a clock set back) within that span either way.
  static constexpr int64_t kEarliest = -11644473600;
  static constexpr int64_t kLatest = 910692730085;
  static constexpr int64_t kLongest = kLatest - kEarliest;

  bool IsRunning() const { return m_state.running; }
  bool IsCleared() const { return m_state.cleared; }
  // Reset has something to do unless the watch is cleared and stopped.
  bool CanReset() const { return m_state.running || !m_state.cleared; }

  // Starts a segment: a new run when cleared, else the same run goes on.
  void Start();
  // Ends the segment and adds its seconds, up to kLongest either way.
  void Stop();
  // Running: a lap; the run ends and a new one begins at once. Stopped and
  // not cleared: the run ends and the watch is cleared. Answers the run
  // that ended; false when there was none (already cleared).
  bool Reset(StopwatchRun& finished);

  // The run's whole seconds at `now` (seconds since 1970).
  int64_t Elapsed(int64_t now) const;

  // Seconds since 1970.
  int64_t OriginalStart() const { return m_state.originalStart; }
  int64_t LastStart() const { return m_state.lastStart; }
  int64_t LastStop() const { return m_state.lastStop; }
  int64_t Accumulated() const { return m_state.accumulated; }

  const StopwatchState& State() const { return m_state; }
  // Takes up a kept state: a run that was running goes on running, its
  // segment counted from its last start.
  void Restore(const StopwatchState& state);

 private:
  void EndSegment();

  StopwatchState m_state;
};
