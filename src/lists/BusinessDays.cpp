#include "lists/BusinessDays.h"

#include "base/DifferenceCalc.h"

namespace {

// Business days d with from < d <= to.
long long BusinessWithin(const HolidayIndex& holidays, long long from, long long to) {
  return holidays.Week().CountWithin(from, to) - holidays.CountWithinDays(from, to);
}

}  // namespace

long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const HolidayIndex& holidays) {
  return static_cast<long>(BusinessWithin(holidays, DayIndex(start.m_dt), DayIndex(end.m_dt)));
}

// The count from `from` grows with the day it runs to, by one on each
// business day: the day sought is the first (stepping forward) or last
// (backward) at which the count reaches n, found by halving the calendar's
// days, so that the cost stays that of some twenty counts however far the
// move goes and however many years the holidays repeat in.
bool MoveByBusinessDays(const COleDateTime& base, long n, const HolidayIndex& holidays,
                        COleDateTime& result) {
  if (!InSupportedRange(base)) return false;
  const long long from = DayIndex(base.m_dt);
  long long to = from;
  if (n > 0) {
    long long low = from + 1, high = static_cast<long long>(COleDateTime::kMaxDay);
    if (high < low || BusinessWithin(holidays, from, high) < n) return false;
    while (low < high) {
      const long long mid = low + (high - low) / 2;
      if (BusinessWithin(holidays, from, mid) >= n) high = mid; else low = mid + 1;
    }
    to = low;
  } else if (n < 0) {
    // Business days d with t <= d < from, for t stepping back.
    long long low = static_cast<long long>(COleDateTime::kMinDay), high = from - 1;
    if (high < low || BusinessWithin(holidays, low - 1, from - 1) < -static_cast<long long>(n)) return false;
    while (low < high) {
      const long long mid = high - (high - low) / 2;
      if (BusinessWithin(holidays, mid - 1, from - 1) >= -static_cast<long long>(n)) low = mid; else high = mid - 1;
    }
    to = low;
  }
  // Whole days added keep the time of day, as the other units' moves do.
  const COleDateTime moved = base.AddDays(static_cast<double>(to - from));
  if (!InSupportedRange(moved)) return false;
  result = moved;
  return true;
}
