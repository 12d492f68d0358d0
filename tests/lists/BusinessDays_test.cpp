#include "lists/BusinessDays.h"

#include <gtest/gtest.h>

#include <random>

#include "base/DifferenceCalc.h"

namespace {

COleDateTime Day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

DateRecord Holiday(const COleDateTime& date, bool active = true) {
  return DateRecord{"holiday", date, active};
}

// What the count means, spelled out: every day after start up to end.
long CountedDayByDay(const COleDateTime& start, const COleDateTime& end,
                     const DateRecordList& holidays) {
  long count = 0;
  for (COleDateTime d = start.AddDays(1); d <= end; d = d.AddDays(1)) {
    if (IsoWeekday(d.m_dt) > 5) continue;
    ++count;
    for (const DateRecord& h : holidays) {
      if (h.active && h.date == d) --count;
    }
  }
  return count;
}

}  // namespace

TEST(CountBusinessDays, HolidaysOnTheEdgesAndWeekends) {
  // Monday 6 January 2003 to Monday 13 January 2003: five weekdays.
  const COleDateTime start = Day(2003, 1, 6), end = Day(2003, 1, 13);
  struct Case {
    const char* what;
    DateRecordList holidays;
    long expected;
  };
  const Case cases[] = {
      {"none", {}, 5},
      {"on the start date", {Holiday(start)}, 5},
      {"on the end date", {Holiday(end)}, 4},
      {"on the Saturday inside", {Holiday(Day(2003, 1, 11))}, 5},
      {"two on one Wednesday", {Holiday(Day(2003, 1, 8)), Holiday(Day(2003, 1, 8))}, 3},
      {"inactive", {Holiday(Day(2003, 1, 8), false)}, 5},
      {"before and after",
       {Holiday(Day(2002, 12, 25)), Holiday(Day(2003, 1, 7)), Holiday(Day(2003, 1, 14))}, 4},
  };
  for (const Case& c : cases) EXPECT_EQ(CountBusinessDays(start, end, c.holidays), c.expected) << c.what;
  EXPECT_EQ(CountBusinessDays(end, end, {Holiday(end)}), 0);
}

TEST(CountBusinessDays, MatchesCountingDayByDay) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> offset(-40, 400), span(0, 120);
  const COleDateTime base = Day(1899, 11, 1);  // spans cross 1899-12-30
  for (int round = 0; round < 200; ++round) {
    DateRecordList holidays;
    for (int i = 0; i < 30; ++i) holidays.push_back(Holiday(base.AddDays(offset(rng)), i % 7 != 0));
    SortByDate(holidays);
    const COleDateTime start = base.AddDays(offset(rng));
    const COleDateTime end = start.AddDays(span(rng));
    ASSERT_EQ(CountBusinessDays(start, end, holidays), CountedDayByDay(start, end, holidays))
        << start.m_dt << " .. " << end.m_dt;
  }
}
