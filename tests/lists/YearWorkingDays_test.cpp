#include "lists/YearWorkingDays.h"

#include <gtest/gtest.h>

#include "base/DifferenceCalc.h"

namespace {

COleDateTime Day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

// The table's figures spelled out: every day of the month looked at alone.
MonthWorkingDays CountedDayByDay(int year, int month, const WorkWeek& week, const DateRecordList& holidays) {
  MonthWorkingDays row;
  for (COleDateTime d = Day(year, month, 1); d.GetMonth() == month; d = d.AddDays(1)) {
    ++row.days;
    if (!week.Works(IsoWeekday(d.m_dt))) continue;
    ++row.working;
    bool off = false;
    for (const DateRecord& h : holidays) off = off || (h.active && h.date == d);
    ++(off ? row.holidays : row.business);
  }
  return row;
}

}  // namespace

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
  for (int month = 1; month <= 12; ++month) {
    const MonthWorkingDays expected = CountedDayByDay(2028, month, sundayToThursday, holidays);
    const MonthWorkingDays& row = table.Month(month);
    EXPECT_EQ(row.days, expected.days) << month;
    EXPECT_EQ(row.working, expected.working) << month;
    EXPECT_EQ(row.holidays, expected.holidays) << month;
    EXPECT_EQ(row.business, expected.business) << month;
  }
  EXPECT_EQ(table.Total().days, 366);
  EXPECT_EQ(table.Total().holidays, 4);
}
