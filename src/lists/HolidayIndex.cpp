#include "lists/HolidayIndex.h"

#include <algorithm>

#include "base/DifferenceCalc.h"

void HolidayIndex::Rebuild(const DateRecordList& holidays, WorkWeek week) {
  m_week = week;
  m_yearly.Rebuild(holidays, week);
  m_days.clear();
  for (const DateRecord& h : holidays) {
    // A date that could not be read names no day.
    if (!h.active || h.yearly || !h.date.IsValid()) continue;
    const long long day = DayIndex(h.date.m_dt);
    // A day off once, however many holidays name it.
    if (week.IsWorkingDay(day) && !m_yearly.Covers(day)) m_days.push_back(day);
  }
  // The list is kept in date order, but the index need not rely on it.
  std::sort(m_days.begin(), m_days.end());
  m_days.erase(std::unique(m_days.begin(), m_days.end()), m_days.end());
}

long HolidayIndex::CountWithin(const COleDateTime& start, const COleDateTime& end) const {
  return static_cast<long>(CountWithinDays(DayIndex(start.m_dt), DayIndex(end.m_dt)));
}

long long HolidayIndex::CountWithinDays(long long from, long long to) const {
  if (to <= from) return 0;
  const auto first = std::upper_bound(m_days.begin(), m_days.end(), from);
  const auto last = std::upper_bound(first, m_days.end(), to);
  return (last - first) + m_yearly.CountThrough(to) - m_yearly.CountThrough(from);
}
