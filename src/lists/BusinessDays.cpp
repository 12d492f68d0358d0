#include "lists/BusinessDays.h"

#include "base/DifferenceCalc.h"

namespace {

// Stepping n business days from `from` means stepping n + j working days,
// where j is the number of holidays passed on the way. Holidays lie on
// working days, so one more working day passes at most one more holiday:
// "at most j holidays within n + j working days" turns from false to true
// once as j grows, and the first j for which it holds is the one. Halving
// j with counts in closed form keeps the cost that of some twenty counts,
// however far the move goes and however many years the holidays repeat in.
// `most` is the number of holidays up to the calendar's end in the
// direction of travel; `within(d)` the number between `from` and day d.
template <typename Within>
long long StepPastHolidays(const WorkWeek& week, long long from, long long n, long long most, Within within) {
  const long long sign = n > 0 ? 1 : -1;
  long long low = 0, high = most;
  while (low < high) {
    const long long j = low + (high - low) / 2;
    if (within(week.Step(from, n + sign * j)) <= j) {
      high = j;
    } else {
      low = j + 1;
    }
  }
  return week.Step(from, n + sign * low);
}

}  // namespace

long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const HolidayIndex& holidays) {
  const long long from = DayIndex(start.m_dt), to = DayIndex(end.m_dt);
  return static_cast<long>(holidays.Week().CountWithin(from, to) - holidays.CountWithinDays(from, to));
}

bool MoveByBusinessDays(const COleDateTime& base, long n, const HolidayIndex& holidays,
                        COleDateTime& result) {
  if (!InSupportedRange(base)) return false;
  const long long from = DayIndex(base.m_dt);
  const long long first = static_cast<long long>(COleDateTime::kMinDay);
  const long long last = static_cast<long long>(COleDateTime::kMaxDay);
  long long to = from;
  // Holidays through the day before `from`, and through `from`.
  const long long before = holidays.CountThrough(from - 1), through = holidays.CountThrough(from);
  if (n > 0) {
    to = StepPastHolidays(holidays.Week(), from, n, holidays.CountThrough(last) - through,
                          [&](long long d) { return holidays.CountThrough(d) - through; });
  } else if (n < 0) {
    to = StepPastHolidays(holidays.Week(), from, n, before - holidays.CountThrough(first - 1),
                          [&](long long d) { return before - holidays.CountThrough(d - 1); });
  }
  // Whole days added keep the time of day, as the other units' moves do.
  const COleDateTime moved = base.AddDays(static_cast<double>(to - from));
  if (!InSupportedRange(moved)) return false;
  result = moved;
  return true;
}
