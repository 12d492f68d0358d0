#pragma once
#include <vector>

#include "base/COleDateTime.h"
#include "lists/DateRecord.h"

// The distinct Monday-to-Friday days on which at least one active holiday
// falls, sorted, so that counting them in a span takes two binary searches
// instead of a walk along the list. It keeps no reference to the list: its
// owner rebuilds it whenever the list may have changed.
class HolidayIndex {
 public:
  HolidayIndex() = default;
  explicit HolidayIndex(const DateRecordList& holidays) { Rebuild(holidays); }

  void Rebuild(const DateRecordList& holidays);

  // Indexed days d with start < d <= end, by calendar day; 0 when end is
  // not after start.
  long CountWithin(const COleDateTime& start, const COleDateTime& end) const;

 private:
  std::vector<long long> m_days;
};
