#include "base/Stopwatch.h"

#include <algorithm>

#include "base/Clock.h"

void Stopwatch::Start() {
  if (m_state.running) return;
  const int64_t now = ClockSeconds();
  if (m_state.cleared) {
    m_state.originalStart = now;
    m_state.accumulated = 0;
  }
  m_state.lastStart = now;
  m_state.running = true;
}

void Stopwatch::Stop() {
  if (!m_state.running) return;
  EndSegment();
  m_state.running = false;
  m_state.cleared = false;
}

// Held within what a kept file may say, so that what is kept reads back.
void Stopwatch::EndSegment() {
  m_state.lastStop = ClockSeconds();
  const int64_t sum = m_state.accumulated + (m_state.lastStop - m_state.lastStart);
  m_state.accumulated = std::clamp(sum, -kLongest, kLongest);
}

bool Stopwatch::Reset(StopwatchRun& finished) {
  if (m_state.running) {
    EndSegment();
    finished = StopwatchRun{m_state.accumulated, m_state.originalStart, m_state.lastStop};
    m_state.originalStart = m_state.lastStart = m_state.lastStop;
    m_state.accumulated = 0;
    m_state.cleared = false;
    return true;
  }
  if (m_state.cleared) return false;
  finished = StopwatchRun{m_state.accumulated, m_state.originalStart, m_state.lastStop};
  m_state.cleared = true;
  return true;
}

int64_t Stopwatch::Elapsed(int64_t now) const {
  return m_state.running ? now - m_state.lastStart + m_state.accumulated : m_state.accumulated;
}

void Stopwatch::Restore(const StopwatchState& state) { m_state = state; }
