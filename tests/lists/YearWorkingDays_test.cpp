#include "lists/YearWorkingDays.h"

#include <gtest/gtest.h>

#include <tuple>

#include "base/DifferenceCalc.h"
#include "support/TestDays.h"

TEST(YearWorkingDays, MonthsMatchADayByDayCount) {
  const WorkWeek sundayToThursday(0x4F);
  const DateRecordList holidays = {
      {"Eve", Day(2027, 12, 31), true},     {"Next", Day(2029, 1, 1), true},        // outside the year
      {"Saturday", Day(2028, 1, 1), true},  {"Friday", Day(2028, 2, 4), true},      // days off
      {"Twice", Day(2028, 1, 3), true},     {"Twice", Day(2028, 1, 3), true},       // a Monday
      {"Leap", Day(2028, 2, 29), true},     {"Inactive", Day(2028, 3, 7), false},
      {"Sunday", Day(2028, 5, 14), true},   {"Year end", Day(2028, 12, 31), true},  // a Sunday
  };
  const YearWorkingDays table(2028, HolidayIndex(holidays, sundayToThursday));
  auto counts = [](const MonthWorkingDays& r) { return std::make_tuple(r.days, r.working, r.holidays, r.business); };
  for (int month = 1; month <= 12; ++month) {
    // The table's figures spelled out: every day of the month looked at alone.
    MonthWorkingDays expected;
    for (COleDateTime d = Day(2028, month, 1); d.GetMonth() == month; d = d.AddDays(1)) {
      ++expected.days;
      if (!sundayToThursday.Works(IsoWeekday(d.m_dt))) continue;
      ++expected.working;
      bool off = false;
      for (const DateRecord& h : holidays) off = off || (h.active && h.date == d);
      ++(off ? expected.holidays : expected.business);
    }
    EXPECT_EQ(counts(table.Month(month)), counts(expected)) << month;
  }
  EXPECT_EQ(table.Total().days, 366);
  EXPECT_EQ(table.Total().holidays, 4);
}
