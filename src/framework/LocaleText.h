#pragma once
#include <string>

#include "base/COleDateTime.h"

// Dates as text in the user's default locale (VarBstrFromDate); an invalid
// value, or one the platform cannot convert, reads "Invalid DateTime".
enum class DateTextForm {
  ShortDate,    // the date alone, short date format (VAR_DATEVALUEONLY)
  TimeOnly,     // the time alone (VAR_TIMEVALUEONLY), midnight included
  DateAndTime,  // no flags: the time is left out at midnight, the date for day 0
};
std::string DateText(const COleDateTime& value, DateTextForm form = DateTextForm::ShortDate);
