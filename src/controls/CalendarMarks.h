#pragma once
#include <vector>

#include "controls/CTipMonthCal.h"
#include "lists/DateRecord.h"
#include "lists/Occurrences.h"

// Marks a list's days on a calendar: every day among those the calendar
// displays (partly shown months included) on which an active record falls,
// a yearly one in any of its years, is bold with the record's shown name
// (an event's years count too) as a day text; the other days lose both. Answers
// those occurrences by day, for the caller to list; the pointers are good
// until the list next changes.
std::vector<Occurrence> MarkListDays(CTipMonthCal& calendar, const DateRecordList& records, DateListKind kind);
