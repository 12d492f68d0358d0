#pragma once
#include "base/COleDateTime.h"
#include "lists/HolidayIndex.h"

// Business days are the working days of the index's work week on which no
// active holiday falls; a day is off once, however many records name it.

// Business days d with start < d <= end; 0 when end is not after start.
long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const HolidayIndex& holidays);

// The spreadsheet's WORKDAY.INTL: from `base`, the day of the n-th business
// day stepping forward (n > 0) or backward (n < 0); `base` itself is never
// counted, and n = 0 leaves it where it is, whatever day it is. False,
// leaving `result` alone, when base is invalid or the day would leave
// 1 January 100 .. 31 December 9999.
bool MoveByBusinessDays(const COleDateTime& base, long n, const HolidayIndex& holidays,
                        COleDateTime& result);
