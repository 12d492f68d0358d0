#pragma once
#include "base/COleDateTime.h"
#include "lists/HolidayIndex.h"

// Weekdays from start to end (start < d <= end) less the weekdays among them
// on which an active holiday falls: a day is off once, however many records
// name it, and holidays on a Saturday or Sunday take nothing away.
long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const HolidayIndex& holidays);
