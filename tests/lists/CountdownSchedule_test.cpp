#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "lists/CountdownSchedule.h"

constexpr int64_t kT0 = 1800000000;  // the schedule's times, as seconds after this
constexpr int64_t kNone = -1;        // no end to come

TEST(CountdownSchedule, TellsEachEndOnceAfterItPasses) {
  struct Step {
    char op;  // 'R' the list taken again, 'W' the wake-up, 'A' the clock changed
    int64_t at;
    const char* told;  // names, comma-separated
    int64_t next;
  };
  const struct {
    const char* what;
    std::vector<std::pair<const char*, int64_t>> ends;
    std::vector<Step> steps;
  } cases[] = {
      {"ended before the list was taken", {{"Gone", -5}}, {{'R', 0, "", kNone}, {'W', 10, "", kNone}}},
      {"told when the clock reaches it", {{"Soon", 5}}, {{'R', 0, "", 5}, {'W', 4, "", 5}, {'W', 5, "Soon", kNone}, {'W', 6, "", kNone}}},
      {"one second's ends together", {{"A", 5}, {"B", 5}, {"C", 5}}, {{'R', 0, "", 5}, {'W', 5, "A,B,C", kNone}}},
      {"slept through, soonest first", {{"Late", 50}, {"Early", 20}}, {{'R', 0, "", 20}, {'A', 100, "Early,Late", kNone}}},
      {"clock set back: ends come again", {{"Soon", 5}}, {{'R', 0, "", 5}, {'W', 5, "Soon", kNone}, {'A', -10, "", 5}, {'W', 5, "Soon", kNone}}},
      {"list taken again: the old list's due end told, not its past one", {{"X", 5}}, {{'R', 0, "", 5}, {'R', 7, "X", kNone}, {'W', 8, "", kNone}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DateRecordList counters;
    for (const auto& end : c.ends) counters.push_back(DateRecord{end.first, LocalTimeAt(kT0 + end.second), true});
    counters.push_back(DateRecord{"", LocalTimeAt(kT0 + 5), false});  // deleted
    CountdownSchedule schedule;
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.at);
      const int64_t now = kT0 + step.at;
      const std::vector<CountdownEnd> told = step.op == 'R' ? schedule.Replace(counters, now)
                        : step.op == 'W' ? schedule.Wake(counters, now) : schedule.Advance(counters, now);
      std::string names;
      for (const CountdownEnd& e : told) names += (names.empty() ? "" : ",") + e.name;
      EXPECT_EQ(names, step.told);
      int64_t next = kNone;
      EXPECT_EQ(schedule.Next(next) ? next - kT0 : kNone, step.next);
    }
  }
}
