#pragma once
#include "lists/ListTextFormat.h"

// iCalendar as the lists' second file format (ICalendarText.h): text that
// begins as a calendar, and locations ending in ".ics" in any case.
extern const ListTextFormat kICalendarFormat;
