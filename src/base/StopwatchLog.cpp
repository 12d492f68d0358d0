#include "base/StopwatchLog.h"

void StopwatchLog::Add(const StopwatchRun& run) {
  m_runs.push_back(run);
  while (m_runs.size() > kMaxRuns) m_runs.pop_front();
}
