#pragma once
#include <vector>

#include "base/COleDateTime.h"
#include "base/WorkWeek.h"
#include "lists/DateRecord.h"
#include "lists/YearlyHolidays.h"

// The working days (of one work week) on which at least one active holiday
// falls, so that counting them in a span takes two binary searches and the
// yearly holidays' closed form instead of a walk along the list. It keeps
// no reference to the list: its owner rebuilds it whenever the list or the
// work week may have changed.
class HolidayIndex {
 public:
  HolidayIndex() = default;
  explicit HolidayIndex(const DateRecordList& holidays, WorkWeek week = WorkWeek()) {
    Rebuild(holidays, week);
  }

  void Rebuild(const DateRecordList& holidays, WorkWeek week = WorkWeek());

  const WorkWeek& Week() const { return m_week; }
  // The one-time holidays' days as day numbers (DayIndex), ascending,
  // leaving out those a yearly holiday takes already.
  const std::vector<long long>& Days() const { return m_days; }

  // Holiday working days d with start < d <= end, by calendar day; 0 when
  // end is not after start.
  long CountWithin(const COleDateTime& start, const COleDateTime& end) const;
  // The same on day numbers.
  long long CountWithinDays(long long from, long long to) const;
  // Holiday working days d <= day (from the first holiday on): any span's
  // count is a difference of two of these.
  long long CountThrough(long long day) const;

 private:
  WorkWeek m_week;
  std::vector<long long> m_days;
  YearlyHolidays m_yearly;
};
