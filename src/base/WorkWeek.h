#pragma once
#include <cstdint>
#include <string>

// The user's working days, as the "WorkWeek" setting holds them: bit 0
// Monday .. bit 6 Sunday, a set bit a working day. Days are day numbers
// (DayIndex). Counts and steps are closed-form: they take the same time
// for a span of ten days as for ten thousand years.
class WorkWeek {
 public:
  static constexpr uint32_t kMondayToFriday = 0x1F;

  // A week with no working day, or bits beyond Sunday, is not one a user
  // can have chosen: it reads as Monday to Friday.
  explicit WorkWeek(uint32_t bits);
  WorkWeek() : WorkWeek(kMondayToFriday) {}

  uint32_t Bits() const { return m_bits; }
  bool operator==(const WorkWeek& o) const { return m_bits == o.m_bits; }
  bool operator!=(const WorkWeek& o) const { return m_bits != o.m_bits; }

  // isoWeekday: Monday = 1 .. Sunday = 7.
  bool Works(int isoWeekday) const { return (m_bits >> (isoWeekday - 1)) & 1u; }
  bool IsWorkingDay(long long day) const;

  // The week in words, from the day names (names[0] Monday's .. names[6]
  // Sunday's): one run of working days, counted around the end of the week,
  // as its first and last day joined by `to` ("Sun-Thu", "Sunday to
  // Thursday"); a single day alone; any other week its days joined by ", ",
  // from firstDay (Monday = 1 .. Sunday = 7), which also starts a week that
  // works every day.
  std::string Describe(const std::string (&names)[7], int firstDay, const std::string& to) const;

  // Working days d with from < d <= to; 0 when to is not after from.
  long long CountWithin(long long from, long long to) const;

  // The n-th working day after `from` (n > 0) or before it (n < 0), not
  // counting `from` itself; `from` for n = 0.
  long long Step(long long from, long long n) const;

 private:
  // Working days among the day numbers 1..day (negative before day 1), so
  // that any span's count is a difference of two of these.
  long long Cumulative(long long day) const;
  // The first day whose Cumulative reaches `count`: a working day.
  long long Reaching(long long count) const;

  uint32_t m_bits;
  int m_perWeek;
  int m_prefix[8];  // working days among day numbers 1..r of a week, r = 0..7
};
