#include "base/YearsMonthsDays.h"

#include <utility>

#include "base/CivilDays.h"
#include "base/DifferenceCalc.h"

namespace {

struct CivilDay {
  int year, month, day;
};

CivilDay CivilOf(long long dayIndex) {
  CivilDay d{};
  CivilFromDays(static_cast<long>(dayIndex), d.year, d.month, d.day);
  return d;
}

std::string Part(long n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

YearsMonthsDays YearsMonthsDaysBetween(const COleDateTime& start, const COleDateTime& end, bool includeStart) {
  YearsMonthsDays span;
  long long from = DayIndex(start.m_dt), to = DayIndex(end.m_dt) + (includeStart ? 1 : 0);
  if (to < from) {
    std::swap(from, to);
    span.negative = true;
  }
  const CivilDay a = CivilOf(from), b = CivilOf(to);
  long months = (12L * b.year + b.month) - (12L * a.year + a.month);
  if (b.day < a.day) --months;
  // The start moved on by those months, kept inside its target month.
  const long target = 12L * a.year + (a.month - 1) + months;
  const int year = static_cast<int>(target / 12), month = static_cast<int>(target % 12) + 1;
  const int day = a.day < DaysInMonth(year, month) ? a.day : DaysInMonth(year, month);
  span.years = months / 12;
  span.months = static_cast<int>(months % 12);
  span.days = static_cast<int>(to - DaysFromCivil(year, month, day));
  return span;
}

std::string YearsMonthsDaysText(const YearsMonthsDays& span) {
  std::string text;
  const std::pair<long, const char*> parts[] = {
      {span.years, "year"}, {span.months, "month"}, {span.days, "day"}};
  for (const auto& part : parts) {
    if (part.first == 0) continue;
    if (!text.empty()) text += ", ";
    text += Part(part.first, part.second);
  }
  if (text.empty()) return "0 days";
  return span.negative ? "-" + text : text;
}
