#include "base/WorkWeek.h"

#include "base/DifferenceCalc.h"

namespace {

long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

WorkWeek::WorkWeek(uint32_t bits) : m_bits(bits == 0 || bits > 0x7F ? kMondayToFriday : bits) {
  m_prefix[0] = 0;
  for (int r = 1; r <= 7; ++r) m_prefix[r] = m_prefix[r - 1] + (IsWorkingDay(r) ? 1 : 0);
  m_perWeek = m_prefix[7];
}

bool WorkWeek::IsWorkingDay(long long day) const { return Works(IsoWeekday(static_cast<double>(day))); }

long long WorkWeek::Cumulative(long long day) const {
  const long long weeks = FloorDiv(day, 7);
  return weeks * m_perWeek + m_prefix[day - 7 * weeks];
}

long long WorkWeek::Reaching(long long count) const {
  const long long weeks = FloorDiv(count - 1, m_perWeek);
  const long long left = count - weeks * m_perWeek;  // 1..m_perWeek
  int r = 1;
  while (m_prefix[r] < left) ++r;  // within one week
  return 7 * weeks + r;
}

long long WorkWeek::CountWithin(long long from, long long to) const {
  return to > from ? Cumulative(to) - Cumulative(from) : 0;
}

long long WorkWeek::Step(long long from, long long n) const {
  if (n == 0) return from;
  // Forward: the day on which the count after `from` reaches n. Backward:
  // counted down from the day before `from`, the |n|-th working day.
  return n > 0 ? Reaching(Cumulative(from) + n) : Reaching(Cumulative(from - 1) + n + 1);
}

std::string WorkWeek::Describe(const std::string (&names)[7], int firstDay, const std::string& to) const {
  // Days as 0 = Monday .. 6 = Sunday, in the order the user's week runs.
  const int first = (firstDay - 1) % 7;
  auto works = [&](int day) { return Works((day + 7) % 7 + 1); };
  int runStart = -1, runs = 0;
  for (int k = 0; k < 7; ++k) {
    const int day = (first + k) % 7;
    if (works(day) && !works(day - 1)) {
      runStart = day;
      ++runs;
    }
  }
  if (runs == 0) return names[first] + to + names[(first + 6) % 7];  // every day
  if (runs == 1) {
    const int last = (runStart + m_perWeek - 1) % 7;
    return m_perWeek == 1 ? names[runStart] : names[runStart] + to + names[last];
  }
  std::string text;
  for (int k = 0; k < 7; ++k) {
    const int day = (first + k) % 7;
    if (works(day)) text += (text.empty() ? "" : ", ") + names[day];
  }
  return text;
}
