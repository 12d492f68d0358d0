#include "lists/HolidayIndex.h"

#include <algorithm>

#include "base/DifferenceCalc.h"

void HolidayIndex::Rebuild(const DateRecordList& holidays, WorkWeek week) {
  m_week = week;
  m_days.clear();
  for (const DateRecord& h : holidays) {
    // A date that could not be read names no day.
    if (!h.active || !h.date.IsValid()) continue;
    const long long day = DayIndex(h.date.m_dt);
    if (week.IsWorkingDay(day)) m_days.push_back(day);
  }
  // The list is kept in date order, but the index need not rely on it.
  // Several records on one day take that day away once.
  std::sort(m_days.begin(), m_days.end());
  m_days.erase(std::unique(m_days.begin(), m_days.end()), m_days.end());
}

long HolidayIndex::CountWithin(const COleDateTime& start, const COleDateTime& end) const {
  const long long from = DayIndex(start.m_dt);
  const long long to = DayIndex(end.m_dt);
  if (to <= from) return 0;
  const auto first = std::upper_bound(m_days.begin(), m_days.end(), from);
  const auto last = std::upper_bound(first, m_days.end(), to);
  return static_cast<long>(last - first);
}
