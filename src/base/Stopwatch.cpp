#include "base/Stopwatch.h"

#include <cmath>

#include "base/SpanText.h"

namespace {
// Whole seconds of a span in days, to the nearest second (the half second
// away from zero, as the span text rounds), so that a segment the clock
// was set back through counts as many seconds back as forward.
int64_t RoundedSeconds(double days) {
  if (std::isnan(days)) return 0;
  const double seconds = std::round(days * 86400.0);
  // Far beyond any span between two valid dates.
  constexpr double kLimit = 1.0e15;
  if (seconds > kLimit) return static_cast<int64_t>(kLimit);
  if (seconds < -kLimit) return static_cast<int64_t>(-kLimit);
  return static_cast<int64_t>(seconds);
}
}  // namespace

void Stopwatch::Start() {
  if (m_bRunning) return;
  const COleDateTime now = COleDateTime::GetCurrentTime();
  if (m_bCleared) {
    m_originalStart = now;
    m_nAccumulated = 0;
  }
  m_lastStart = now;
  m_bRunning = true;
}

void Stopwatch::Stop() {
  if (!m_bRunning) return;
  EndSegment();
  m_bRunning = false;
  m_bCleared = false;
}

void Stopwatch::EndSegment() {
  m_lastStop = COleDateTime::GetCurrentTime();
  m_nAccumulated += RoundedSeconds(m_lastStop - m_lastStart);
}

bool Stopwatch::Reset(StopwatchRun& finished) {
  if (m_bRunning) {
    EndSegment();
    finished = StopwatchRun{m_nAccumulated, m_originalStart, m_lastStop};
    m_originalStart = m_lastStart = COleDateTime::GetCurrentTime();
    m_nAccumulated = 0;
    m_bCleared = false;
    return true;
  }
  if (m_bCleared) return false;
  finished = StopwatchRun{m_nAccumulated, m_originalStart, m_lastStop};
  m_bCleared = true;
  return true;
}

double Stopwatch::Elapsed(const COleDateTime& now) const {
  const double done = SecondsToDays(m_nAccumulated);
  return m_bRunning ? (now - m_lastStart) + done : done;
}
