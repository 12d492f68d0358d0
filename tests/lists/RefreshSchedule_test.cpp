#include "lists/RefreshSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int64_t kHour = 3600;
const int64_t kT = 1000000;  // an arbitrary start

enum Op { Start, Succeeded, Failed, Skipped, Resumed };

TEST(RefreshSchedule, DueTimesRetriesAndResumes) {
  // The setting, the feed's period, then steps (op, now, due) with the due time
  // expected after each (-1: never due).
  const struct { const char* name; long hours; int64_t feed; std::vector<std::vector<int64_t>> steps; } cases[] = {
      {"the setting's period, skipped too", 12, 0,
       {{Start, kT, kT + 1}, {Succeeded, kT + 1, kT + 1 + 12 * kHour}, {Skipped, kT + 5, kT + 5 + 12 * kHour}}},
      {"retries double up to the period", 2, 0,
       {{Failed, kT, kT + 900}, {Failed, kT, kT + 1800}, {Failed, kT, kT + kHour}, {Failed, kT, kT + 2 * kHour},
        {Failed, kT, kT + 2 * kHour}, {Succeeded, kT, kT + 2 * kHour}, {Failed, kT, kT + 900}}},
      {"a resume waits a minute once past the due time", 1, 0,
       {{Succeeded, kT, kT + kHour}, {Resumed, kT + 60, kT + kHour}, {Resumed, kT + 2 * kHour, kT + 2 * kHour + 60}}},
      {"a feed's own period", 12, 2 * kHour, {{Succeeded, kT, kT + 2 * kHour}}},
      {"a feed never more often than hourly", 12, 60, {{Succeeded, kT, kT + kHour}}},
      {"0 hours: off, whatever the feed says", 0, 2 * kHour, {{Start, kT, -1}, {Succeeded, kT, -1}}},
      {"negative hours: off", -5, 0, {{Start, kT, -1}}},
  };
  for (const auto& c : cases) {
    RefreshSchedule schedule;
    schedule.Configure(c.hours, c.feed);
    for (const std::vector<int64_t>& step : c.steps) {
      const int64_t now = step[1], due = step[2];
      switch (step[0]) {
        case Start: schedule.Start(now, 1); break;
        case Succeeded: schedule.Succeeded(now); break;
        case Failed: schedule.Failed(now); break;
        case Skipped: schedule.Skipped(now); break;
        default: schedule.Resumed(now); break;
      }
      EXPECT_EQ(due >= 0, schedule.IsDue(due >= 0 ? due : now + 365 * 24 * kHour)) << c.name;
      EXPECT_FALSE(due >= 0 && schedule.IsDue(due - 1)) << c.name;
    }
  }
}

TEST(RefreshSchedule, TimeoutSettingOutsideOneToSixHundredReadsAsThirty) {
  const long cases[][2] = {{1, 1}, {600, 600}, {0, 30}, {601, 30}, {-1, 30}};
  for (const auto& c : cases) EXPECT_EQ(c[1], WebTimeoutSeconds(c[0])) << c[0];
}

}  // namespace
