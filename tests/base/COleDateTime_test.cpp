#include "base/COleDateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "base/Clock.h"

namespace {

struct Composed {
  int year, month, day, hour, minute, second;
  double value;  // 0.0 with valid == false
  bool valid;
};

const Composed kCompositions[] = {
    {1899, 12, 30, 0, 0, 0, 0.0, true},
    {1899, 12, 31, 0, 0, 0, 1.0, true},
    {1899, 12, 29, 6, 0, 0, -1.25, true},  // time counts forwards before 1899-12-30
    {1899, 12, 30, 18, 0, 0, 0.75, true},
    {1900, 1, 1, 0, 0, 0, 2.0, true},
    {1900, 3, 1, 0, 0, 0, 61.0, true},  // 1900 is no leap year
    {1970, 1, 1, 0, 0, 0, 25569.0, true},
    {2000, 2, 29, 0, 0, 0, 36585.0, true},
    {2003, 2, 31, 0, 0, 0, 37683.0, true},  // carries: 3 March 2003
    {2003, 3, 3, 0, 0, 0, 37683.0, true},
    {2004, 2, 30, 0, 0, 0, 38047.0, true},  // 1 March 2004
    {2003, 4, 31, 0, 0, 0, 37742.0, true},  // 1 May 2003
    {2003, 11, 31, 0, 0, 0, 37956.0, true},  // 1 December 2003
    {100, 1, 1, 0, 0, 0, -657434.0, true},
    {9999, 12, 31, 0, 0, 0, 2958465.0, true},
    {9999, 12, 31, 12, 0, 0, 2958465.5, true},
    {100, 1, 1, 12, 0, 0, -657434.5, true},
    {99, 12, 31, 0, 0, 0, 0.0, false},
    {10000, 1, 1, 0, 0, 0, 0.0, false},
    {2004, 0, 1, 0, 0, 0, 0.0, false},
    {2004, 13, 1, 0, 0, 0, 0.0, false},
    {2004, 1, 0, 0, 0, 0, 0.0, false},
    {2004, 1, 32, 0, 0, 0, 0.0, false},
    {2004, 1, 1, 24, 0, 0, 0.0, false},
    {2004, 1, 1, 0, 60, 0, 0.0, false},
    {2004, 1, 1, 0, 0, 60, 0.0, false},
    {2004, 1, 1, -1, 0, 0, 0.0, false},
};

}  // namespace

TEST(COleDateTime, Composition) {
  for (const Composed& c : kCompositions) {
    COleDateTime d(c.year, c.month, c.day, c.hour, c.minute, c.second);
    EXPECT_EQ(d.IsValid(), c.valid) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_DOUBLE_EQ(d.m_dt, c.value) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(COleDateTime, BreakdownOfComposedValuesRoundTrips) {
  // Every day of some whole years of both signs, with times.
  for (int year : {100, 1600, 1899, 1900, 2004, 9999}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        COleDateTime d(year, month, day, 23, 59, 59);
        DateBreakdown b;
        ASSERT_TRUE(d.GetAsBreakdown(b));
        COleDateTime again(b.year, b.month, b.day, b.hour, b.minute, b.second);
        EXPECT_EQ(again.m_dt, d.m_dt) << year << "-" << month << "-" << day;
        if (day <= 28) {
          EXPECT_EQ(b.month, month);
          EXPECT_EQ(b.day, day);
        }
      }
    }
  }
}

TEST(COleDateTime, BreakdownRoundsToTheSecondAndNamesTheDay) {
  struct Case {
    double value;
    int year, month, day, hour, minute, second, dayOfWeek;
  };
  const Case cases[] = {
      {0.0, 1899, 12, 30, 0, 0, 0, 7},                // a Saturday
      {-1.25, 1899, 12, 29, 6, 0, 0, 6},              // Friday 06:00
      {-0.25, 1899, 12, 30, 6, 0, 0, 7},              // the same moment as 0.25
      {37627.0, 2003, 1, 6, 0, 0, 0, 2},              // Monday 6 January 2003
      {37627.0 + 0.6 / 86400, 2003, 1, 6, 0, 0, 1, 2},
      {37627.0 + 0.4 / 86400, 2003, 1, 6, 0, 0, 0, 2},
      {37627.0 - 0.4 / 86400 + 1, 2003, 1, 7, 0, 0, 0, 3},  // rounds into Tuesday
      {-2.0 - (86399.6 / 86400), 1899, 12, 29, 0, 0, 0, 6},  // 23:59:59.6 on the 28th
      {2958465.0 + 86399.0 / 86400, 9999, 12, 31, 23, 59, 59, 6},
  };
  for (const Case& c : cases) {
    DateBreakdown b;
    ASSERT_TRUE(COleDateTime(c.value).GetAsBreakdown(b)) << c.value;
    EXPECT_EQ(b.year, c.year) << c.value;
    EXPECT_EQ(b.month, c.month) << c.value;
    EXPECT_EQ(b.day, c.day) << c.value;
    EXPECT_EQ(b.hour, c.hour) << c.value;
    EXPECT_EQ(b.minute, c.minute) << c.value;
    EXPECT_EQ(b.second, c.second) << c.value;
    EXPECT_EQ(b.dayOfWeek, c.dayOfWeek) << c.value;
  }
}

TEST(COleDateTime, BreakdownFailsOutsideTheRangeAndWhenInvalid) {
  DateBreakdown b;
  for (double v : {-657435.0, 2958466.0, 2958465.0 + 86399.6 / 86400, double(NAN), double(INFINITY)}) {
    EXPECT_FALSE(COleDateTime(v).GetAsBreakdown(b)) << v;
  }
  EXPECT_FALSE(COleDateTime(37627.0, COleDateTime::invalid).GetAsBreakdown(b));
  EXPECT_EQ(COleDateTime(37627.0, COleDateTime::invalid).GetYear(), -1);
  EXPECT_EQ(COleDateTime(37627.0).GetYear(), 2003);
}

TEST(COleDateTime, LinearScaleOrdersNegativeValues) {
  // -1.25 (1899-12-29 06:00) lies between -1.0 (00:00) and -1.5 (12:00).
  EXPECT_DOUBLE_EQ(COleDateTime::LinearKey(-1.25), -0.75);
  EXPECT_LT(COleDateTime(-1.0), COleDateTime(-1.25));
  EXPECT_LT(COleDateTime(-1.25), COleDateTime(-1.5));
  EXPECT_LT(COleDateTime(-1.5), COleDateTime(0.0));
  EXPECT_EQ(COleDateTime(-0.25), COleDateTime(0.25));
  EXPECT_DOUBLE_EQ(COleDateTime(0.5) - COleDateTime(-1.5), 1.0);
  for (double v : {-657434.5, -1000.75, -1.25, -1.0, -0.5, 0.0, 0.5, 38000.125}) {
    EXPECT_EQ(COleDateTime::FromLinear(COleDateTime::LinearKey(v)), std::fabs(v) < 1 ? std::fabs(v) : v) << v;
  }
}

TEST(COleDateTime, AddingDaysCrossesZeroOnTheLinearScale) {
  struct Case {
    double from, days, to;
  };
  const Case cases[] = {
      {0.25, -1.0, -1.25}, {-1.25, 1.0, 0.25}, {-1.75, 2.0, 1.75}, {-5.0, 3.0, -2.0},
      {37627.0, 7.0, 37634.0}, {1.5, -3.0, -2.5},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(COleDateTime(c.from).AddDays(c.days).m_dt, c.to) << c.from << " " << c.days;
  }
  EXPECT_FALSE(COleDateTime(1.0, COleDateTime::invalid).AddDays(1).IsValid());
}

namespace {
int64_t g_fakeNow = 0;
int64_t FakeClock() { return g_fakeNow; }
}  // namespace

TEST(COleDateTime, NowIsTheLocalTimeInWholeSeconds) {
  // 2004-05-01 12:34:56.999 UTC; the local breakdown of its whole second.
  g_fakeNow = 1083414896999;
  SetClockSource(FakeClock);
  const COleDateTime now = COleDateTime::GetCurrentTime();
  // A second holds the milliseconds after it, before 1970 too.
  for (const auto& [ms, seconds] : {std::pair<int64_t, int64_t>{1999, 1}, {-1, -1}, {-1000, -1}, {-1001, -2}}) {
    g_fakeNow = ms;
    EXPECT_EQ(ClockSeconds(), seconds) << ms;
  }
  SetClockSource(nullptr);
  time_t t = static_cast<time_t>(1083414896);
  struct tm local {};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  COleDateTime expected(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
  ASSERT_TRUE(now.IsValid());
  EXPECT_EQ(now.m_dt, expected.m_dt);
  EXPECT_EQ(now.GetSecond(), 56);
  EXPECT_GT(ClockSeconds(), 1600000000);  // the real clock again
}
