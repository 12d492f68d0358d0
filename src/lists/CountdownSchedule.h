#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/COleDateTime.h"
#include "lists/DateRecord.h"

// A counter's end still to come, as the list held it when planned: the list
// may change before the end passes.
struct CountdownEnd {
  int64_t at = 0;  // the end's instant, seconds since 1970
  std::string name;
  COleDateTime end;
};

// Which counters' ends have passed since the last look, and when the next
// one comes. Only ends after the last instant looked at count: those that
// had passed when the list was taken never do. Instants come from
// InstantOfLocalTime, as the Countdowns page's "Expired" does.
class CountdownSchedule {
 public:
  // The list changed (or is first taken): the ends the old list had due by
  // `now`, soonest first; from then on the new list's ends after `now`.
  std::vector<CountdownEnd> Replace(const DateRecordList& counters, int64_t now);
  // The clock moved on (a wake-up, a clock set forward, a resume): the ends
  // passed since the last look, soonest first, with the time zone's rules
  // as they are now. A clock set back only starts over from `now`.
  std::vector<CountdownEnd> Advance(const DateRecordList& counters, int64_t now);
  // The wake-up for the soonest end: the planned ends passed by `now`,
  // without planning again (a clock that was changed meanwhile comes
  // through Advance).
  std::vector<CountdownEnd> Wake(const DateRecordList& counters, int64_t now);
  // The soonest end still to come; false when there is none.
  bool Next(int64_t& at) const;

 private:
  void Plan(const DateRecordList& counters);
  std::vector<CountdownEnd> TakeDue(int64_t now);

  std::vector<CountdownEnd> m_pending;  // after m_lastLook, soonest first
  int64_t m_lastLook = 0;
};
