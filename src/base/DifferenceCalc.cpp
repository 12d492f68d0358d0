#include "base/DifferenceCalc.h"

#include <cmath>
#include <cstdio>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// 2 for a Sunday, 1 for a Saturday, 0 otherwise.
int WeekendRank(int isoWeekday) { return isoWeekday == 7 ? 2 : isoWeekday == 6 ? 1 : 0; }

}  // namespace

bool InSupportedRange(const COleDateTime& date) {
  const double key = COleDateTime::LinearKey(date.m_dt);
  return date.IsValid() && key >= COleDateTime::kMinDay && key < COleDateTime::kMaxDay + 1.0;
}

long LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < 100000000) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

long ReadAmount(std::string& text) {
  const long amount = LeadingNumber(text);
  if (amount > kMaxAmount) {
    text = std::to_string(kMaxAmount);
    return kMaxAmount;
  }
  if (amount < 0) {
    text = "0";
    return 0;
  }
  return amount;
}

uint32_t PackDifference(long amount, uint32_t unit) {
  if (amount < 0) amount = 0;
  if (amount > kMaxAmount) amount = kMaxAmount;
  return static_cast<uint32_t>(amount) + (unit & kUnitMask);
}

bool MoveByDifference(const COleDateTime& base, long n, uint32_t unit, COleDateTime& result) {
  if (!InSupportedRange(base)) return false;
  COleDateTime moved;
  if (unit == kUnitDays || unit == kUnitWeeks) {
    moved = base.AddDays(static_cast<double>(n) * (unit == kUnitWeeks ? 7 : 1));
  } else if (unit == kUnitMonths || unit == kUnitYears) {
    DateBreakdown b;
    if (!base.GetAsBreakdown(b)) return false;
    long long year = b.year;
    long long month = b.month;
    if (unit == kUnitMonths) {
      const long long v = 12LL * b.year + b.month - 1 + n;
      year = v / 12;
      month = v % 12 + 1;
    } else {
      year += n;
    }
    if (year < 100 || year > 9999 || month < 1) return false;
    moved.SetDate(static_cast<int>(year), static_cast<int>(month), b.day);
  } else {
    return false;
  }
  if (!InSupportedRange(moved)) return false;
  result = moved;
  return true;
}

long UnlockedDifference(const COleDateTime& start, const COleDateTime& end, uint32_t unit) {
  switch (unit) {
    case kUnitDays:
      return CountDays(start, end);
    case kUnitWeeks:
      return CountDays(start, end) / 7;
    case kUnitMonths:
      return (12L * end.GetYear() + end.GetMonth()) - (12L * start.GetYear() + start.GetMonth());
    case kUnitYears:
      return end.GetYear() - start.GetYear();
    default:
      return 0;
  }
}

long CountDays(const COleDateTime& start, const COleDateTime& end) {
  const double span = end - start;
  if (!(std::fabs(span) < 1.0e9)) return 0;  // NaN or nonsense
  return static_cast<long>(span);
}

COleDateTime CountingStart(const COleDateTime& start, bool includeStart) {
  return includeStart ? start.AddDays(-1) : start;
}

std::string FormatWeeks(long days) {
  char text[48];
  std::snprintf(text, sizeof text, "%ld.%ld", days / 7, days % 7);
  return text;
}

long long DayIndex(double value) {
  return std::fabs(value) < 1.0e12 ? static_cast<long long>(value) : 0;
}

int IsoWeekday(double value) {
  // Day 0, 1899-12-30, was a Saturday (6).
  const long long r = (DayIndex(value) % 7 + 7 + 5) % 7;
  return static_cast<int>(r) + 1;
}

long CountWeekdays(const COleDateTime& start, const COleDateTime& end) {
  const long n = CountDays(start, end);
  const long q = n / 7;
  const int ws = IsoWeekday(start.m_dt);
  const int we = IsoWeekday(end.m_dt);
  const long wrap = ws > we ? 1 : 0;
  return n - 2 * q - 2 * wrap + WeekendRank(ws) - WeekendRank(we);
}
