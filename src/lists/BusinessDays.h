#pragma once
#include "base/COleDateTime.h"
#include "lists/DateRecord.h"

// Weekdays from start to end (start < d <= end) less one for every active
// holiday with start < date <= end that falls on Monday to Friday; two
// records on one date take away two. `holidays` is in ascending date order
// (SortByDate), so the scan ends at the first record after the end date.
long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const DateRecordList& holidays);
