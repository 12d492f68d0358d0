#pragma once
#include <cstddef>
#include <deque>

#include "base/Stopwatch.h"

// The stopwatch's finished runs, oldest first. Kept across restarts, the log
// must stop somewhere: beyond kMaxRuns the oldest run goes.
class StopwatchLog {
 public:
  static constexpr size_t kMaxRuns = 10000;

  void Add(const StopwatchRun& run);
  void Clear() { m_runs.clear(); }
  bool IsEmpty() const { return m_runs.empty(); }
  size_t Size() const { return m_runs.size(); }
  const std::deque<StopwatchRun>& Runs() const { return m_runs; }

 private:
  std::deque<StopwatchRun> m_runs;
};
