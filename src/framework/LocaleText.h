#pragma once
#include <string>

#include "base/COleDateTime.h"

// Dates as text in the user's default locale (VarBstrFromDate); an invalid
// value reads "Invalid DateTime".
enum class DateTextForm {
  ShortDate,    // the date alone, short date format (VAR_DATEVALUEONLY)
  TimeOnly,     // VAR_TIMEVALUEONLY
  DateAndTime,  // no flags
};
std::string DateText(const COleDateTime& value, DateTextForm form = DateTextForm::ShortDate);
