#pragma once
#include <vector>

#include "controls/CTipMonthCal.h"
#include "lists/DateRecord.h"

// Marks a list's days on a calendar: every active record with a valid date
// among the days the calendar displays (partly shown months included) makes
// its day bold and its name a day text; the other days lose both. Answers
// those records in list order, for the caller to list; the pointers are good
// until the list next changes.
std::vector<const DateRecord*> MarkListDays(CTipMonthCal& calendar, const DateRecordList& records);
