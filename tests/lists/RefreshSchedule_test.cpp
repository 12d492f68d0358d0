#include "lists/RefreshSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int64_t kHour = 3600;
const int64_t kT = 1000000;  // an arbitrary start

enum class Op { Start, Succeeded, Failed, Skipped, Resumed };

// Each case: the setting, the feed's period, then steps with the expected
// due time after each (-1: never due).
struct Step {
  Op op;
  int64_t now;
  int64_t due;
};
struct Case {
  const char* name;
  long hours;
  int64_t feed;
  std::vector<Step> steps;
};

TEST(RefreshSchedule, DueTimesRetriesAndResumes) {
  const Case cases[] = {
      {"period of the setting", 12, 0,
       {{Op::Start, kT, kT + 1}, {Op::Succeeded, kT + 1, kT + 1 + 12 * kHour}}},
      {"retries double up to the period", 2, 0,
       {{Op::Start, kT, kT + 1},
        {Op::Failed, kT, kT + 900},
        {Op::Failed, kT, kT + 1800},
        {Op::Failed, kT, kT + 3600},
        {Op::Failed, kT, kT + 2 * kHour},
        {Op::Failed, kT, kT + 2 * kHour},
        {Op::Succeeded, kT, kT + 2 * kHour},
        {Op::Failed, kT, kT + 900}}},
      {"skipped waits a period", 3, 0, {{Op::Start, kT, kT + 1}, {Op::Skipped, kT + 5, kT + 5 + 3 * kHour}}},
      {"resume after the due time waits a minute", 1, 0,
       {{Op::Start, kT, kT + 1}, {Op::Succeeded, kT, kT + kHour}, {Op::Resumed, kT + 2 * kHour, kT + 2 * kHour + 60}}},
      {"resume before the due time changes nothing", 1, 0,
       {{Op::Start, kT, kT + 1}, {Op::Succeeded, kT, kT + kHour}, {Op::Resumed, kT + 60, kT + kHour}}},
      {"a feed's own period", 12, 2 * kHour, {{Op::Start, kT, kT + 1}, {Op::Succeeded, kT, kT + 2 * kHour}}},
      {"a feed never more often than hourly", 12, 60, {{Op::Start, kT, kT + 1}, {Op::Succeeded, kT, kT + kHour}}},
      {"0 hours: off, whatever the feed says", 0, 2 * kHour, {{Op::Start, kT, -1}, {Op::Succeeded, kT, -1}}},
      {"negative hours: off", -5, 0, {{Op::Start, kT, -1}}},
  };
  for (const Case& c : cases) {
    RefreshSchedule schedule;
    schedule.Configure(c.hours, c.feed);
    for (const Step& step : c.steps) {
      switch (step.op) {
        case Op::Start: schedule.Start(step.now, 1); break;
        case Op::Succeeded: schedule.Succeeded(step.now); break;
        case Op::Failed: schedule.Failed(step.now); break;
        case Op::Skipped: schedule.Skipped(step.now); break;
        case Op::Resumed: schedule.Resumed(step.now); break;
      }
      if (step.due < 0) {
        EXPECT_FALSE(schedule.IsDue(step.now + 365 * 24 * kHour)) << c.name;
      } else {
        EXPECT_EQ(step.due, schedule.Due()) << c.name;
        EXPECT_FALSE(schedule.IsDue(step.due - 1)) << c.name;
        EXPECT_TRUE(schedule.IsDue(step.due)) << c.name;
      }
    }
  }
}

TEST(RefreshSchedule, TimeoutSettingOutsideOneToSixHundredReadsAsThirty) {
  const long cases[][2] = {{1, 1}, {600, 600}, {45, 45}, {0, 30}, {601, 30}, {-1, 30}};
  for (const auto& c : cases) EXPECT_EQ(c[1], WebTimeoutSeconds(c[0])) << c[0];
}

}  // namespace
