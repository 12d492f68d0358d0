#include "base/DifferenceCalc.h"

#include <gtest/gtest.h>

#include "support/TestDays.h"

TEST(DifferenceCalc, AmountIsTheLeadingNumberClamped) {
  struct Case {
    const char* text;
    long amount;
    const char* after;
  };
  const Case cases[] = {
      {"", 0, ""},          {"4", 4, "4"},           {"  12abc", 12, "  12abc"},
      {"+7", 7, "+7"},      {"abc", 0, "abc"},       {"65535", 65535, "65535"},
      {"65536", 65535, "65535"}, {"70000", 65535, "65535"}, {"-3", 0, "0"},
      {"-0", 0, "-0"},      {"99999999999999999999", 65535, "65535"},
      {"\t\n 5 6", 5, "\t\n 5 6"}, {"1e5", 1, "1e5"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(ReadAmount(text), c.amount) << c.text;
    EXPECT_EQ(text, c.after) << c.text;
  }
}

TEST(DifferenceCalc, PackingKeepsTheUnitBits) {
  EXPECT_EQ(PackDifference(4, kUnitWeeks), 0x20004u);
  EXPECT_EQ(PackDifference(2, kUnitMonths), 0x40002u);
  // An unlocked difference beyond 16 bits must not turn days into weeks.
  EXPECT_EQ(PackDifference(70000, kUnitDays), 0x1FFFFu);
  EXPECT_EQ(PackDifference(-5, kUnitYears), 0x80000u);
}

TEST(DifferenceCalc, Moves) {
  struct Case {
    COleDateTime base;
    long n;
    uint32_t unit;
    bool ok;
    COleDateTime result;
  };
  const Case cases[] = {
      {Day(2003, 1, 31), 1, kUnitMonths, true, Day(2003, 3, 3)},
      {Day(2004, 2, 29), 1, kUnitYears, true, Day(2005, 3, 1)},
      {Day(2003, 1, 20), 2, kUnitWeeks, true, Day(2003, 2, 3)},
      {Day(2003, 2, 3), -2, kUnitWeeks, true, Day(2003, 1, 20)},
      {Day(2003, 1, 6), 7, kUnitDays, true, Day(2003, 1, 13)},
      {Day(2003, 3, 31), -1, kUnitMonths, true, Day(2003, 3, 3)},  // 31 February
      {Day(2003, 1, 15), -24, kUnitMonths, true, Day(2001, 1, 15)},
      {Day(2003, 12, 15), 1, kUnitMonths, true, Day(2004, 1, 15)},
      {Day(2003, 1, 15), 65535, kUnitMonths, true, Day(7464, 4, 15)},
      {Day(1899, 12, 30), -1, kUnitDays, true, Day(1899, 12, 29)},
      {Day(1900, 1, 1), -1, kUnitWeeks, true, Day(1899, 12, 25)},
      {Day(100, 1, 1), 0, kUnitDays, true, Day(100, 1, 1)},
      {Day(9999, 12, 31), 0, kUnitYears, true, Day(9999, 12, 31)},
      // Every unit fails rather than leave 1 January 100 .. 31 December 9999.
      {Day(9999, 12, 31), 1, kUnitDays, false, {}},
      {Day(9999, 12, 25), 1, kUnitWeeks, false, {}},
      {Day(100, 1, 1), -1, kUnitDays, false, {}},
      {Day(100, 1, 7), -1, kUnitWeeks, false, {}},
      {Day(9999, 12, 1), 1, kUnitMonths, false, {}},
      {Day(100, 1, 31), -1, kUnitMonths, false, {}},
      {Day(2003, 1, 1), 65535, kUnitYears, false, {}},
      {Day(2003, 1, 1), -1904, kUnitYears, false, {}},  // year 99
      {Day(2003, 1, 1), -65535, kUnitDays, true, Day(1823, 7, 29)},
      {Day(2003, 1, 1), -24036, kUnitMonths, false, {}},  // year 0 by truncation
      {Day(2003, 1, 1), 1, 0x30000, false, {}},
      {COleDateTime(37627.0, COleDateTime::invalid), 1, kUnitDays, false, {}},
  };
  for (const Case& c : cases) {
    const COleDateTime untouched(12345.0);
    COleDateTime result = untouched;
    EXPECT_EQ(MoveByDifference(c.base, c.n, c.unit, result), c.ok)
        << c.base.m_dt << " " << c.n << " " << std::hex << c.unit;
    const COleDateTime expected = c.ok ? c.result : untouched;
    EXPECT_EQ(result.m_dt, expected.m_dt) << c.base.m_dt << " " << c.n << " " << std::hex << c.unit;
    EXPECT_TRUE(result.IsValid());
  }
}

TEST(DifferenceCalc, UnlockedDifference) {
  struct Case {
    COleDateTime start, end;
    uint32_t unit;
    long value;
  };
  const Case cases[] = {
      {Day(2003, 1, 31), Day(2003, 2, 1), kUnitMonths, 1},
      {Day(2003, 12, 31), Day(2004, 1, 1), kUnitYears, 1},
      {Day(2003, 1, 1), Day(2003, 1, 14), kUnitWeeks, 1},
      {Day(2003, 1, 1), Day(2003, 1, 14), kUnitDays, 13},
      {Day(2003, 1, 31), Day(2003, 3, 3), kUnitMonths, 2},
      {Day(2003, 1, 1), Day(2003, 12, 31), kUnitYears, 0},
      {Day(1899, 12, 20), Day(1900, 1, 10), kUnitDays, 21},
      {Day(100, 1, 1), Day(9999, 12, 31), kUnitDays, 3615899},
      {Day(100, 1, 1), Day(9999, 12, 31), kUnitMonths, 118799},
      {Day(2003, 1, 1), Day(2003, 1, 1), kUnitWeeks, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnlockedDifference(c.start, c.end, c.unit), c.value)
        << c.start.m_dt << " " << c.end.m_dt << " " << std::hex << c.unit;
  }
}

TEST(DifferenceCalc, Counts) {
  struct Case {
    COleDateTime start, end;
    long days, weekdays;
    const char* weeks;
  };
  const Case cases[] = {
      {Day(2003, 1, 6), Day(2003, 1, 13), 7, 5, "1.0"},   // Monday to Monday
      {Day(2003, 1, 4), Day(2003, 1, 6), 2, 1, "0.2"},    // Saturday to Monday
      {Day(2003, 1, 4), Day(2003, 1, 5), 1, 0, "0.1"},    // Saturday to Sunday
      {Day(2003, 1, 8), Day(2003, 1, 8), 0, 0, "0.0"},
      {Day(2003, 1, 5), Day(2003, 1, 5), 0, 0, "0.0"},
      {Day(2003, 1, 1), Day(2003, 1, 11), 10, 7, "1.3"},
      {Day(2003, 1, 1), Day(2003, 1, 15), 14, 10, "2.0"},
      {Day(1899, 12, 25), Day(1900, 1, 8), 14, 10, "2.0"},  // across day 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CountDays(c.start, c.end), c.days) << c.start.m_dt;
    EXPECT_EQ(CountWeekdays(c.start, c.end), c.weekdays) << c.start.m_dt;
    EXPECT_EQ(FormatWeeks(CountDays(c.start, c.end)), c.weeks) << c.start.m_dt;
  }
}

// The closed form against counting day by day, for every start weekday and
// spans up to several weeks, on both sides of 1899-12-30.
TEST(DifferenceCalc, WeekdaysClosedFormMatchesCountingDays) {
  for (const COleDateTime& first : {Day(2003, 1, 1), Day(1899, 12, 1), Day(100, 1, 1)}) {
    for (int s = 0; s < 7; ++s) {
      const COleDateTime start = first.AddDays(s);
      long counted = 0;
      for (int n = 0; n <= 60; ++n) {
        const COleDateTime end = start.AddDays(n);
        if (n > 0 && IsoWeekday(end.m_dt) <= 5) ++counted;
        ASSERT_EQ(CountWeekdays(start, end), counted) << start.m_dt << " + " << n;
      }
    }
  }
  EXPECT_EQ(IsoWeekday(Day(2003, 1, 6).m_dt), 1);
  EXPECT_EQ(IsoWeekday(Day(1899, 12, 29).m_dt), 5);
  EXPECT_EQ(IsoWeekday(-1.75), 5);  // 1899-12-29 18:00
}
