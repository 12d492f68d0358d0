#pragma once
#include <string>

#include "base/COleDateTime.h"

// A span as people say an age: whole years, months and days, counted as
// spreadsheets' year-month-day difference. The months come first: as many
// whole months as fit, a month ending on the same day of the month (or, for
// a day the target month lacks, on its last day); then the days left.
struct YearsMonthsDays {
  bool negative = false;  // the end lies before the start
  long years = 0;
  int months = 0;  // 0..11
  int days = 0;    // 0..30
};

// The span from the calendar day of `start` to that of `end`; an end before
// the start gives the span from the end to the start, marked negative. With
// `includeStart` both dates count: the span runs to the day after the end,
// so 1 to 31 March is a month.
YearsMonthsDays YearsMonthsDaysBetween(const COleDateTime& start, const COleDateTime& end, bool includeStart);

// Its non-zero parts, largest first, joined by ", " ("1 year, 2 months,
// 1 day"), after a "-" when negative; "0 days" for none.
std::string YearsMonthsDaysText(const YearsMonthsDays& span);
