// Our composition and breakdown held against the platform's
// SystemTimeToVariantTime and VariantTimeToSystemTime, inside years
// 100..9999 (outside it the platform maps years 0..99 to other centuries,
// which is not ours to copy).
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "base/COleDateTime.h"

namespace {

struct Fields {
  int year, month, day, hour, minute, second;
};

bool PlatformCompose(const Fields& f, double& out) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(f.year);
  st.wMonth = static_cast<WORD>(f.month);
  st.wDay = static_cast<WORD>(f.day);
  st.wHour = static_cast<WORD>(f.hour);
  st.wMinute = static_cast<WORD>(f.minute);
  st.wSecond = static_cast<WORD>(f.second);
  return SystemTimeToVariantTime(&st, &out) != 0;
}

// Wine rolls 31 November over into 1 January of the next year (its month
// counter wraps from 12 to 0 with a year carried); Windows and we give
// 1 December. The carry itself is held in the native tests.
bool PlatformRollsNovemberWrongly(const Fields& f) { return f.month == 11 && f.day == 31; }

void ExpectSameComposition(const Fields& f) {
  if (PlatformRollsNovemberWrongly(f)) return;
  double platform = 0.0;
  ASSERT_TRUE(PlatformCompose(f, platform));
  COleDateTime ours(f.year, f.month, f.day, f.hour, f.minute, f.second);
  ASSERT_TRUE(ours.IsValid());
  // Bit for bit: the list writer and the sort depend on equal values.
  EXPECT_EQ(std::memcmp(&ours.m_dt, &platform, sizeof platform), 0)
      << f.year << "-" << f.month << "-" << f.day << " " << f.hour << ":" << f.minute << ":"
      << f.second << " ours " << ours.m_dt << " platform " << platform;
}

void ExpectSameBreakdown(double value) {
  SYSTEMTIME st = {};
  const bool platformOk = VariantTimeToSystemTime(value, &st) != 0;
  DateBreakdown b;
  const bool ours = COleDateTime(value).GetAsBreakdown(b);
  // The last half second of 31 December 9999 rounds into year 10000, which
  // the platform reports as a 32nd of December; we report a failure.
  if (value > COleDateTime::kMaxDay + 86399.0 / 86400 && !ours) return;
  ASSERT_EQ(ours, platformOk) << value;
  if (!ours) return;
  EXPECT_EQ(b.year, st.wYear) << value;
  EXPECT_EQ(b.month, st.wMonth) << value;
  EXPECT_EQ(b.day, st.wDay) << value;
  EXPECT_EQ(b.hour, st.wHour) << value;
  EXPECT_EQ(b.minute, st.wMinute) << value;
  EXPECT_EQ(b.second, st.wSecond) << value;
  // The platform takes the weekday before rounding; where rounding carried
  // into the next day ours names the day shown. Compare on the day itself.
  SYSTEMTIME day = {};
  double whole = 0.0;
  Fields f{st.wYear, st.wMonth, st.wDay, 0, 0, 0};
  ASSERT_TRUE(PlatformCompose(f, whole));
  ASSERT_TRUE(VariantTimeToSystemTime(whole, &day));
  EXPECT_EQ(b.dayOfWeek, day.wDayOfWeek + 1) << value;
}

}  // namespace

TEST(OleDateVsPlatform, CompositionAtBoundaries) {
  const int years[] = {100, 101, 399, 400, 1600, 1752, 1899, 1900, 1999, 2000, 2004, 9998, 9999};
  const int hours[][3] = {{0, 0, 0}, {0, 0, 1}, {12, 0, 0}, {23, 59, 59}, {6, 30, 15}};
  for (int year : years) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 28, 29, 30, 31}) {
        for (const auto& t : hours) ExpectSameComposition({year, month, day, t[0], t[1], t[2]});
      }
    }
  }
}

TEST(OleDateVsPlatform, CompositionRandom) {
  std::mt19937 rng(20040501);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31), hour(0, 23),
      minsec(0, 59);
  for (int i = 0; i < 100000; ++i) {
    ExpectSameComposition({year(rng), month(rng), day(rng), hour(rng), minsec(rng), minsec(rng)});
    if (HasFailure()) return;
  }
}

TEST(OleDateVsPlatform, BreakdownAtBoundaries) {
  const double days[] = {COleDateTime::kMinDay, COleDateTime::kMinDay + 1, -36522, -1, 0, 1, 2,
                         59, 60, 61, 36522, 38353, COleDateTime::kMaxDay - 1,
                         COleDateTime::kMaxDay};
  // Times near midnight and on half seconds, both signs of the day number.
  const double fractions[] = {0.0, 1e-12, 0.5 / 86400, 0.49 / 86400, 0.51 / 86400, 0.25, 0.5,
                              0.75, 1 - 0.51 / 86400, 1 - 0.49 / 86400, 1 - 1e-12};
  for (double d : days) {
    for (double f : fractions) {
      ExpectSameBreakdown(d + f);
      ExpectSameBreakdown(d - f);
    }
  }
  ExpectSameBreakdown(COleDateTime::kMinDay - 1.0);
  ExpectSameBreakdown(COleDateTime::kMaxDay + 1.0);
}

TEST(OleDateVsPlatform, BreakdownRandom) {
  std::mt19937_64 rng(1899123000);
  std::uniform_real_distribution<double> value(COleDateTime::kMinDay - 0.99,
                                               COleDateTime::kMaxDay + 0.99);
  std::uniform_int_distribution<int> second(0, 86399);
  for (int i = 0; i < 100000; ++i) {
    ExpectSameBreakdown(value(rng));
    // Whole seconds, as composed values are.
    const double whole = std::trunc(value(rng));
    ExpectSameBreakdown(whole + (whole < 0 ? -1 : 1) * (second(rng) / 86400.0));
    if (HasFailure()) return;
  }
}
