#include "framework/LocaleText.h"

#include <windows.h>
#include <oleauto.h>

#include <vector>

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

// The BSTR in the ANSI code page, as the rest of the program's text is.
bool Narrow(BSTR text, std::string& out) {
  int wide = static_cast<int>(SysStringLen(text));
  if (wide == 0) {
    out.clear();
    return true;
  }
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return false;
  std::vector<char> buffer(static_cast<size_t>(bytes));
  if (WideCharToMultiByte(CP_ACP, 0, text, wide, buffer.data(), bytes, nullptr, nullptr) != bytes) {
    return false;
  }
  out.assign(buffer.data(), buffer.size());
  return true;
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
  bool converted = Narrow(text, out);
  SysFreeString(text);
  return converted ? out : kInvalidDateTime;
}

namespace {

std::string LocaleInfo(LCTYPE type) {
  char text[80] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 0 ? text : "";
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

std::string WorkWeekText(const WorkWeek& week, bool abbreviated) {
  std::string names[7];
  for (int day = 1; day <= 7; ++day) names[day - 1] = DayName(day, abbreviated);
  return week.Describe(names, FirstDayOfWeek(), abbreviated ? "-" : " to ");
}
