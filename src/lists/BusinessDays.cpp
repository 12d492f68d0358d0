#include "lists/BusinessDays.h"

#include "base/DifferenceCalc.h"

long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const HolidayIndex& holidays) {
  return CountWeekdays(start, end) - holidays.CountWithin(start, end);
}
