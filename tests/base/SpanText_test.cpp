#include "base/SpanText.h"

#include <gtest/gtest.h>

TEST(FormatSpan, DaysAndRoundedTime) {
  const double second = 1.0 / 86400;
  struct Case {
    double days;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0d 00:00:00"},
      {2 + (3 * 3600 + 4 * 60 + 5) * second, "2d 03:04:05"},
      {SecondsToDays(1), "0d 00:00:01"},
      {SecondsToDays(59), "0d 00:00:59"},
      {SecondsToDays(3600), "0d 01:00:00"},
      {SecondsToDays(86399), "0d 23:59:59"},
      {SecondsToDays(86400), "1d 00:00:00"},
      {0.4 * second, "0d 00:00:00"},
      {0.6 * second, "0d 00:00:01"},  // the half second rounds
      // Days are truncated without the half second: just short of a day.
      {1.0 - 0.4 * second, "0d 00:00:00"},
      {-SecondsToDays(1), "0d 00:00:-1"},
      {-1.5, "-1d -12:00:00"},
      {-(2 + (3 * 3600 + 4 * 60 + 5) * second), "-2d -3:-4:-5"},
      // Beyond 68 years of seconds, where 32-bit arithmetic would overflow.
      {30000.0 + SecondsToDays(3661), "30000d 01:01:01"},
      {3652058.0, "3652058d 00:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatSpan(c.days), c.text) << c.days;
}
