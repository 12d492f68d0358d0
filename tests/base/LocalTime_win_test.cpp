// Local time and real seconds across the nights the clocks change. This
// program runs with TZ=Europe/Berlin (set by its ctest entry), which Wine
// takes as the system's time zone: in 2027 the clocks go forward on 28
// March and back on 31 October.
#include <gtest/gtest.h>

#include <utility>

#include "base/Clock.h"
#include "base/LocalTime.h"
#include "base/SpanText.h"
#include "base/Stopwatch.h"

namespace {

int64_t g_now = 0;

struct Night {
  const char* name;
  int64_t noonBefore, noonAfter;  // seconds since 1970
  int month, dayBefore;
  const char* realHours;
};

TEST(LocalTimeTest, ANightTheClocksChangeLastsItsRealHours) {
  SetClockSource([] { return g_now * 1000; });
  for (const Night& night : {Night{"spring", 1806145200, 1806228000, 3, 27, "0d 23:00:00"},
                             Night{"autumn", 1824890400, 1824980400, 10, 30, "1d 01:00:00"}}) {
    SCOPED_TRACE(night.name);
    const COleDateTime before(2027, night.month, night.dayBefore, 12, 0, 0);
    const COleDateTime after(2027, night.month, night.dayBefore + 1, 12, 0, 0);
    EXPECT_EQ(LocalTimeAt(night.noonBefore), before);
    EXPECT_EQ(LocalTimeAt(night.noonAfter), after);
    EXPECT_EQ(InstantOfLocalTime(after), night.noonAfter);
    // A countdown from noon to noon, and a stopwatch run over the night.
    EXPECT_EQ(RemainingText(after, night.noonBefore), night.realHours);
    EXPECT_EQ(RemainingText(after, night.noonAfter), "Expired");
    Stopwatch watch;
    g_now = night.noonBefore;
    watch.Start();
    g_now = night.noonAfter;
    EXPECT_EQ(FormatSpan(SecondsToDays(watch.Elapsed(g_now))), night.realHours);
  }
  SetClockSource(nullptr);
}

// 02:30 on 28 March does not exist, and 02:30 on 31 October comes twice:
// the system reads either as summer or winter time (Wine: summer time for
// both), and "Expired" comes at that instant.
TEST(LocalTimeTest, EndsInTheSkippedAndRepeatedHourTakeTheSystemsReading) {
  constexpr int64_t kSpringChange = 1806195600, kAutumnChange = 1824944400;  // 01:00 UTC
  for (const auto& [end, change] : {std::pair{COleDateTime(2027, 3, 28, 2, 30, 0), kSpringChange},
                                    std::pair{COleDateTime(2027, 10, 31, 2, 30, 0), kAutumnChange}}) {
    const int64_t instant = InstantOfLocalTime(end);
    EXPECT_TRUE(instant == change - 1800 || instant == change + 1800) << instant - change;
    EXPECT_EQ(RemainingText(end, instant - 1), "0d 00:00:01");
    EXPECT_EQ(RemainingText(end, instant), "Expired");
  }
}

}  // namespace
