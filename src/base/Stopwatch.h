#pragma once
#include <cstdint>

#include "base/COleDateTime.h"

// A finished run: its whole seconds and when it began and ended.
struct StopwatchRun {
  int64_t seconds = 0;
  COleDateTime start;
  COleDateTime stop;
};

// A wall-clock stopwatch in whole seconds over any number of start-stop
// segments, read from the clock seam. Cleared, the next start begins a new
// run; stopped but not cleared, it continues the same run.
class Stopwatch {
 public:
  bool IsRunning() const { return m_bRunning; }
  bool IsCleared() const { return m_bCleared; }
  // Reset has something to do unless the watch is cleared and stopped.
  bool CanReset() const { return m_bRunning || !m_bCleared; }

  // Starts a segment: a new run when cleared, else the same run goes on.
  void Start();
  // Ends the segment and adds its rounded seconds.
  void Stop();
  // Running: a lap; the run ends and a new one begins at once. Stopped and
  // not cleared: the run ends and the watch is cleared. Answers the run
  // that ended; false when there was none (already cleared).
  bool Reset(StopwatchRun& finished);

  // The run's time at `now` (while running) as a span in days.
  double Elapsed(const COleDateTime& now) const;

  const COleDateTime& OriginalStart() const { return m_originalStart; }
  const COleDateTime& LastStart() const { return m_lastStart; }
  const COleDateTime& LastStop() const { return m_lastStop; }
  int64_t Accumulated() const { return m_nAccumulated; }

 private:
  void EndSegment();

  bool m_bRunning = false;
  bool m_bCleared = true;
  COleDateTime m_originalStart;
  COleDateTime m_lastStart;
  COleDateTime m_lastStop;
  // 64 bits: a clock set years ahead during a run must not overflow.
  int64_t m_nAccumulated = 0;
};
