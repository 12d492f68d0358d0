#include "lists/CountdownSchedule.h"

#include <algorithm>

#include "base/LocalTime.h"

void CountdownSchedule::Plan(const DateRecordList& counters) {
  m_pending.clear();
  for (const DateRecord& counter : counters) {
    // An invalid end reads "Expired" from the start: it never comes.
    if (!counter.active || !counter.date.IsValid()) continue;
    const int64_t at = InstantOfLocalTime(counter.date);
    if (at > m_lastLook) m_pending.push_back(CountdownEnd{at, counter.name, counter.date});
  }
  std::stable_sort(m_pending.begin(), m_pending.end(),
                   [](const CountdownEnd& a, const CountdownEnd& b) { return a.at < b.at; });
}

std::vector<CountdownEnd> CountdownSchedule::TakeDue(int64_t now) {
  const auto firstLater = std::find_if(m_pending.begin(), m_pending.end(),
                                       [now](const CountdownEnd& e) { return e.at > now; });
  std::vector<CountdownEnd> due(std::make_move_iterator(m_pending.begin()), std::make_move_iterator(firstLater));
  m_pending.erase(m_pending.begin(), firstLater);
  return due;
}

std::vector<CountdownEnd> CountdownSchedule::Replace(const DateRecordList& counters, int64_t now) {
  std::vector<CountdownEnd> due;
  if (now >= m_lastLook) due = TakeDue(now);
  m_lastLook = now;
  Plan(counters);
  return due;
}

std::vector<CountdownEnd> CountdownSchedule::Advance(const DateRecordList& counters, int64_t now) {
  if (now < m_lastLook) {
    // Set back: what counted as passed lies ahead again, and comes again.
    m_lastLook = now;
    Plan(counters);
    return {};
  }
  Plan(counters);
  std::vector<CountdownEnd> due = TakeDue(now);
  m_lastLook = now;
  return due;
}

std::vector<CountdownEnd> CountdownSchedule::Wake(const DateRecordList& counters, int64_t now) {
  if (now < m_lastLook) return Advance(counters, now);
  std::vector<CountdownEnd> due = TakeDue(now);
  m_lastLook = now;
  return due;
}

bool CountdownSchedule::Next(int64_t& at) const {
  if (m_pending.empty()) return false;
  at = m_pending.front().at;
  return true;
}
