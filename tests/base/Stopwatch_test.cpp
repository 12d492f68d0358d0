#include "base/Stopwatch.h"

#include <gtest/gtest.h>

#include "base/Clock.h"
#include "base/SpanText.h"

namespace {

// Wednesday 15 January 2003, 10:00:00 UTC, and seconds after it.
constexpr int64_t kTen = 1042624800;
int64_t g_now = kTen;
int64_t SetClock() { return g_now; }

class StopwatchTest : public ::testing::Test {
 protected:
  void SetUp() override { SetClockSource(&SetClock); }
  void TearDown() override { SetClockSource(nullptr); }
  // Sets the clock to `seconds` after 10:00:00; answers that moment.
  static COleDateTime At(int64_t seconds) {
    g_now = kTen + seconds;
    return COleDateTime::GetCurrentTime();
  }
  static std::string Shown(const Stopwatch& w, int64_t seconds) { return FormatSpan(w.Elapsed(At(seconds))); }
  Stopwatch w;
};

TEST_F(StopwatchTest, SegmentsOfOneRunAddUp) {
  EXPECT_TRUE(w.IsCleared());
  EXPECT_FALSE(w.CanReset());

  const COleDateTime ten = At(0);
  w.Start();
  EXPECT_TRUE(w.CanReset());
  At(0);  // stopped within the same second
  w.Stop();
  EXPECT_EQ(w.Accumulated(), 0);

  w.Start();  // not cleared: the same run goes on
  At(30);
  w.Stop();
  At(300);
  w.Start();
  EXPECT_EQ(Shown(w, 310), "0d 00:00:40");
  EXPECT_EQ(w.OriginalStart(), ten);
  EXPECT_EQ(w.LastStart(), At(300));
}

TEST_F(StopwatchTest, ResetWhenStoppedEndsTheRunAndClears) {
  const COleDateTime start = At(0);
  w.Start();
  const COleDateTime stop = At(75);
  w.Stop();
  StopwatchRun run;
  ASSERT_TRUE(w.Reset(run));
  EXPECT_EQ(FormatSpan(SecondsToDays(run.seconds)), "0d 00:01:15");
  EXPECT_EQ(run.start, start);
  EXPECT_EQ(run.stop, stop);
  EXPECT_TRUE(w.IsCleared());
  EXPECT_FALSE(w.CanReset());
  EXPECT_FALSE(w.Reset(run));  // nothing left to end

  At(100);
  w.Start();  // a new run
  EXPECT_EQ(Shown(w, 105), "0d 00:00:05");
  EXPECT_EQ(w.OriginalStart(), At(100));
}

TEST_F(StopwatchTest, ResetWhileRunningIsALap) {
  const COleDateTime start = At(0);
  w.Start();
  At(20);
  w.Stop();
  At(50);
  w.Start();
  const COleDateTime lap = At(55);
  StopwatchRun run;
  ASSERT_TRUE(w.Reset(run));
  EXPECT_EQ(run.seconds, 25);
  EXPECT_EQ(run.start, start);
  EXPECT_EQ(run.stop, lap);
  EXPECT_TRUE(w.IsRunning());
  EXPECT_FALSE(w.IsCleared());
  EXPECT_EQ(w.OriginalStart(), lap);
  EXPECT_EQ(w.LastStart(), lap);
  EXPECT_EQ(Shown(w, 57), "0d 00:00:02");
}

// Wall-clock time: a clock set forward or back during a run moves the
// elapsed time by just as much, also across a stop.
TEST_F(StopwatchTest, ClockChangesMoveTheElapsedTimeByTheirAmount) {
  struct Case {
    const char* what;
    int64_t change;
    const char* shown;
  };
  const Case cases[] = {
      {"an hour ahead", 3600, "0d 01:00:40"},
      {"a minute back", -60, "0d 00:00:-20"},
      {"a day ahead", 86400, "1d 00:00:40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Stopwatch watch;
    At(0);
    watch.Start();
    // 20 s pass, the clock changes, 20 s more pass: the tick, then a stop.
    EXPECT_EQ(FormatSpan(watch.Elapsed(At(40 + c.change))), c.shown);
    watch.Stop();
    EXPECT_EQ(watch.Accumulated(), 40 + c.change);
  }
}

}  // namespace
