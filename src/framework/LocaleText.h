#pragma once
#include <string>

#include "base/COleDateTime.h"
#include "base/WorkWeek.h"

// Dates as text in the user's default locale (VarBstrFromDate); an invalid
// value, or one the platform cannot convert, reads "Invalid DateTime".
enum class DateTextForm {
  ShortDate,    // the date alone, short date format (VAR_DATEVALUEONLY)
  TimeOnly,     // the time alone (VAR_TIMEVALUEONLY), midnight included
  DateAndTime,  // no flags: the time is left out at midnight, the date for day 0
};
std::string DateText(const COleDateTime& value, DateTextForm form = DateTextForm::ShortDate);

// The user's first day of the week (LOCALE_IFIRSTDAYOFWEEK), Monday = 1 ..
// Sunday = 7.
int FirstDayOfWeek();
// The locale's name of a day (Monday = 1 .. Sunday = 7), in full or
// abbreviated.
std::string DayName(int isoWeekday, bool abbreviated = false);
// The locale's name of a month (January = 1 .. December = 12), in full.
std::string MonthName(int month);
// A work week in the locale's day names: "Sun-Thu" abbreviated, "Sunday to
// Thursday" in full (WorkWeek::Describe).
std::string WorkWeekText(const WorkWeek& week, bool abbreviated);
