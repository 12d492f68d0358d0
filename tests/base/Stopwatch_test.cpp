#include "base/Stopwatch.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "base/Clock.h"
#include "base/SpanText.h"
#include "base/StopwatchText.h"

namespace {

constexpr int64_t kTen = 1042624800;  // 15 January 2003, 10:00:00 UTC
int64_t g_now = kTen;

class StopwatchTest : public ::testing::Test {
 protected:
  void SetUp() override { SetClockSource([] { return g_now * 1000; }); }
  void TearDown() override { SetClockSource(nullptr); }
  // Sets the clock to `seconds` after ten o'clock; answers that moment.
  static int64_t At(int64_t seconds) { return g_now = kTen + seconds; }
  Stopwatch w;
};

TEST_F(StopwatchTest, SegmentsOfOneRunAddUp) {
  const int64_t ten = At(0);
  w.Start();
  w.Stop();  // within the same second
  EXPECT_EQ(w.Accumulated(), 0);
  w.Start();  // not cleared: the same run goes on
  At(30);
  w.Stop();
  At(300);
  w.Start();
  EXPECT_EQ(FormatSpan(SecondsToDays(w.Elapsed(At(310)))), "0d 00:00:40");
  EXPECT_EQ(w.OriginalStart(), ten);
}

TEST_F(StopwatchTest, ResetEndsTheRunAndClearsOrLaps) {
  for (const bool running : {false, true}) {
    SCOPED_TRACE(running ? "lap" : "stopped");
    Stopwatch watch;
    const int64_t start = At(0);
    watch.Start();
    const int64_t stop = At(75);
    if (!running) watch.Stop();
    StopwatchRun run;
    ASSERT_TRUE(watch.Reset(run));
    EXPECT_EQ(FormatSpan(SecondsToDays(run.seconds)), "0d 00:01:15");
    EXPECT_EQ(run.start, start);
    EXPECT_EQ(run.stop, stop);
    EXPECT_EQ(watch.IsRunning(), running);
    EXPECT_EQ(watch.CanReset(), running);
    if (running) {  // the next run began at the reset
      EXPECT_EQ(watch.OriginalStart(), stop);
      EXPECT_EQ(watch.LastStart(), stop);
      EXPECT_EQ(watch.Elapsed(At(77)), 2);
    } else {
      EXPECT_FALSE(watch.Reset(run));
    }
  }
}

// A clock set forward or back during a run moves the elapsed time, shown
// and added up, by just as much; below zero it shows as 0.
TEST_F(StopwatchTest, ClockChangesMoveTheElapsedTimeByTheirAmount) {
  for (const auto& [change, shown] : {std::pair<int64_t, const char*>{3600, "0d 01:00:40"}, {-60, "0d 00:00:00"}}) {
    Stopwatch watch;
    At(0);
    watch.Start();
    EXPECT_EQ(watch.Elapsed(At(40 + change)), 40 + change) << change;
    EXPECT_EQ(ElapsedText(watch.Elapsed(g_now)), shown);
    watch.Stop();
    EXPECT_EQ(watch.Accumulated(), 40 + change);
  }
}

// Kept at the edges of its range and run on to the far edge: nothing
// overflows, and what the watch then keeps reads back.
TEST_F(StopwatchTest, KeptExtremesRunOnAndStayKeepable) {
  for (const auto& [from, to, shown] : {std::tuple{Stopwatch::kEarliest, Stopwatch::kLatest, "21350398d 05:36:10"},
                                        std::tuple{Stopwatch::kLatest, Stopwatch::kEarliest, "0d 00:00:00"}}) {
    Stopwatch watch;
    watch.Restore({true, false, from, from, from, to - from});
    EXPECT_EQ(ElapsedText(watch.Elapsed(g_now = to)), shown);
    watch.Stop();
    StopwatchState kept;
    EXPECT_TRUE(ParseStopwatchState(FormatStopwatchState(watch.State()), kept)) << to;
  }
}

}  // namespace
