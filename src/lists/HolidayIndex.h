#pragma once
#include <vector>

#include "base/COleDateTime.h"
#include "base/WorkWeek.h"
#include "lists/DateRecord.h"

// The distinct working days (of one work week) on which at least one active
// holiday falls, sorted, so that counting them in a span takes two binary
// searches instead of a walk along the list. It keeps no reference to the
// list: its owner rebuilds it whenever the list or the work week may have
// changed.
class HolidayIndex {
 public:
  HolidayIndex() = default;
  explicit HolidayIndex(const DateRecordList& holidays, WorkWeek week = WorkWeek()) {
    Rebuild(holidays, week);
  }

  void Rebuild(const DateRecordList& holidays, WorkWeek week = WorkWeek());

  const WorkWeek& Week() const { return m_week; }
  // The indexed days as day numbers (DayIndex), ascending.
  const std::vector<long long>& Days() const { return m_days; }

  // Indexed days d with start < d <= end, by calendar day; 0 when end is
  // not after start.
  long CountWithin(const COleDateTime& start, const COleDateTime& end) const;

 private:
  WorkWeek m_week;
  std::vector<long long> m_days;
};
