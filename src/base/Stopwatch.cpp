#include "base/Stopwatch.h"

#include "base/Clock.h"

void Stopwatch::Start() {
  if (m_bRunning) return;
  const int64_t now = ClockSeconds();
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
  m_lastStop = ClockSeconds();
  m_nAccumulated += m_lastStop - m_lastStart;
}

bool Stopwatch::Reset(StopwatchRun& finished) {
  if (m_bRunning) {
    EndSegment();
    finished = StopwatchRun{m_nAccumulated, m_originalStart, m_lastStop};
    m_originalStart = m_lastStart = m_lastStop;
    m_nAccumulated = 0;
    m_bCleared = false;
    return true;
  }
  if (m_bCleared) return false;
  finished = StopwatchRun{m_nAccumulated, m_originalStart, m_lastStop};
  m_bCleared = true;
  return true;
}

int64_t Stopwatch::Elapsed(int64_t now) const {
  return m_bRunning ? now - m_lastStart + m_nAccumulated : m_nAccumulated;
}

StopwatchState Stopwatch::State() const {
  return StopwatchState{m_bRunning, m_bCleared, m_originalStart, m_lastStart, m_lastStop, m_nAccumulated};
}

void Stopwatch::Restore(const StopwatchState& state) {
  m_bRunning = state.running;
  m_bCleared = state.cleared;
  m_originalStart = state.originalStart;
  m_lastStart = state.lastStart;
  m_lastStop = state.lastStop;
  m_nAccumulated = state.accumulated;
}
