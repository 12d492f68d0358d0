#include "lists/RefreshSchedule.h"

#include <algorithm>

void RefreshSchedule::Configure(long refreshHours, int64_t feedSeconds) {
  m_hours = refreshHours;
  m_feedSeconds = feedSeconds;
}

int64_t RefreshSchedule::Period() const {
  if (m_hours <= 0) return 0;
  if (m_feedSeconds > 0) return std::max(m_feedSeconds, kShortestFeedPeriod);
  return static_cast<int64_t>(m_hours) * 3600;
}

void RefreshSchedule::Start(int64_t now, int64_t delay) {
  m_due = now + delay;
  m_retry = 0;
}

void RefreshSchedule::Succeeded(int64_t now) {
  m_retry = 0;
  m_due = now + Period();
}

void RefreshSchedule::Failed(int64_t now) {
  m_retry = m_retry == 0 ? kFirstRetry : m_retry * 2;
  m_retry = std::min(m_retry, std::max(Period(), kFirstRetry));
  m_due = now + m_retry;
}

void RefreshSchedule::Skipped(int64_t now) { m_due = now + Period(); }

void RefreshSchedule::Resumed(int64_t now) {
  if (m_due >= 0 && m_due <= now) m_due = now + kResumeDelay;
}

bool RefreshSchedule::IsDue(int64_t now) const { return Period() > 0 && m_due >= 0 && now >= m_due; }

long WebTimeoutSeconds(long setting) { return setting >= 1 && setting <= 600 ? setting : 30; }
