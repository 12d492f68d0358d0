#include "base/YearsMonthsDays.h"

#include <gtest/gtest.h>

#include "support/TestDays.h"

TEST(YearsMonthsDays, SpansAsSpreadsheetsCountThem) {
  const struct { COleDateTime start, end; bool includeStart; const char* text; } cases[] = {
      {Day(2027, 1, 31), Day(2027, 3, 1), false, "1 month, 1 day"},      // kept inside February
      {Day(2024, 2, 29), Day(2025, 2, 28), false, "11 months, 30 days"},
      {Day(2024, 2, 29), Day(2025, 3, 1), false, "1 year, 1 day"},       // February of the end's year
      {Day(2024, 2, 29), Day(2028, 2, 29), false, "4 years"},
      {Day(2003, 1, 6), Day(2006, 3, 8), false, "3 years, 2 months, 2 days"},
      {Day(2027, 5, 5), Day(2027, 5, 5), false, "0 days"},
      {Day(100, 1, 1), Day(9999, 12, 31), false, "9899 years, 11 months, 30 days"},
      {Day(2027, 3, 1), Day(2027, 1, 31), false, "-1 month, 1 day"},  // an end before the start: the span back
      // Both ends counted: to the day after the end.
      {Day(2027, 2, 1), Day(2027, 2, 28), true, "1 month"},
      {Day(9999, 1, 1), Day(9999, 12, 31), true, "1 year"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(YearsMonthsDaysText(YearsMonthsDaysBetween(c.start, c.end, c.includeStart)), c.text)
        << c.start.m_dt << " " << c.end.m_dt << " " << c.includeStart;
  }
}
