#include "lists/BusinessDays.h"

#include <algorithm>

#include "base/DifferenceCalc.h"

namespace {

// Stepping n business days from `from` means stepping n + j working days,
// where j is the number of holidays passed on the way. Holidays lie on
// working days, so passing one more working day passes at most one more
// holiday: whether the (j+1)-th holiday lies beyond the (n+j)-th working
// day turns from false to true once as j grows, and the first j for which
// it holds is the one. `beyond(h, d)` says that holiday h lies beyond day d
// in the direction of travel; `nth(j)` gives the (j+1)-th holiday on the way.
template <typename Beyond, typename Nth>
long long StepPastHolidays(const WorkWeek& week, long long from, long long n, size_t holidaysOnTheWay,
               Beyond beyond, Nth nth) {
  const long long sign = n > 0 ? 1 : -1;
  size_t low = 0, high = holidaysOnTheWay;  // with every holiday passed, none is left beyond
  while (low < high) {
    const size_t j = low + (high - low) / 2;
    if (beyond(nth(j), week.Step(from, n + sign * static_cast<long long>(j)))) {
      high = j;
    } else {
      low = j + 1;
    }
  }
  return week.Step(from, n + sign * static_cast<long long>(low));
}

}  // namespace

long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const HolidayIndex& holidays) {
  const long long working = holidays.Week().CountWithin(DayIndex(start.m_dt), DayIndex(end.m_dt));
  return static_cast<long>(working) - holidays.CountWithin(start, end);
}

bool MoveByBusinessDays(const COleDateTime& base, long n, const HolidayIndex& holidays,
                        COleDateTime& result) {
  if (!InSupportedRange(base)) return false;
  const long long from = DayIndex(base.m_dt);
  const std::vector<long long>& days = holidays.Days();
  long long to = from;
  if (n > 0) {
    const auto after = std::upper_bound(days.begin(), days.end(), from);
    to = StepPastHolidays(holidays.Week(), from, n, static_cast<size_t>(days.end() - after),
              [](long long h, long long d) { return h > d; }, [&](size_t j) { return after[j]; });
  } else if (n < 0) {
    const auto before = std::lower_bound(days.begin(), days.end(), from);
    to = StepPastHolidays(holidays.Week(), from, n, static_cast<size_t>(before - days.begin()),
              [](long long h, long long d) { return h < d; },
              [&](size_t j) { return *(before - 1 - static_cast<std::ptrdiff_t>(j)); });
  }
  // Whole days added keep the time of day, as the other units' moves do.
  const COleDateTime moved = base.AddDays(static_cast<double>(to - from));
  if (!InSupportedRange(moved)) return false;
  result = moved;
  return true;
}
