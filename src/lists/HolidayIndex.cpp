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
  return to <= from ? 0 : CountThrough(to) - CountThrough(from);
}

long long HolidayIndex::CountThrough(long long day) const {
  return (std::upper_bound(m_days.begin(), m_days.end(), day) - m_days.begin()) + m_yearly.CountThrough(day);
}
