#include "framework/LocaleText.h"

#include <windows.h>
#include <oleauto.h>

#include "base/NarrowText_win.h"

namespace {
const char kInvalidDateTime[] = "Invalid DateTime";

ULONG FlagsOf(DateTextForm form) {
  switch (form) {
    case DateTextForm::ShortDate: return VAR_DATEVALUEONLY;
    case DateTextForm::TimeOnly: return VAR_TIMEVALUEONLY;
    case DateTextForm::DateAndTime: return 0;
  }
  return 0;
}
}  // namespace

std::string DateText(const COleDateTime& value, DateTextForm form) {
  if (!value.IsValid()) return kInvalidDateTime;
  double date = value.m_dt;
  if (form == DateTextForm::TimeOnly) {
    // Wine answers an empty text for midnight of any day but day 0; the
    // time of day alone (the fraction counts forwards before 1899 too)
    // always reads as a time.
    if (date < -657434.0 || date >= 2958466.0) return kInvalidDateTime;
    double days = date < 0 ? -date : date;
    date = days - static_cast<double>(static_cast<long long>(days));
  }
  BSTR text = nullptr;
  if (FAILED(VarBstrFromDate(date, LOCALE_USER_DEFAULT, FlagsOf(form), &text))) {
    return kInvalidDateTime;
  }
  std::string out;
  const bool converted = NarrowText(text, SysStringLen(text), out);
  SysFreeString(text);
  return converted ? out : kInvalidDateTime;
}

namespace {

// Without LOCALE_USE_CP_ACP the text comes in the locale's own legacy code
// page (Cyrillic day names in 1251), not the program's.
std::string LocaleInfo(LCTYPE type) {
  char text[80] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, type | LOCALE_USE_CP_ACP, text, sizeof text) > 0 ? text : "";
}

}  // namespace

int FirstDayOfWeek() {
  const std::string first = LocaleInfo(LOCALE_IFIRSTDAYOFWEEK);  // "0" Monday .. "6" Sunday
  return first.size() == 1 && first[0] >= '0' && first[0] <= '6' ? first[0] - '0' + 1 : 1;
}

std::string DayName(int isoWeekday, bool abbreviated) {
  const LCTYPE monday = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
  return LocaleInfo(monday + static_cast<LCTYPE>(isoWeekday - 1));
}

std::string MonthName(int month) { return LocaleInfo(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1)); }

std::string WorkWeekText(const WorkWeek& week, bool abbreviated) {
  std::string names[7];
  for (int day = 1; day <= 7; ++day) names[day - 1] = DayName(day, abbreviated);
  return week.Describe(names, FirstDayOfWeek(), abbreviated ? "-" : " to ");
}
