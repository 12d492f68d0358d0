#pragma once
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ical/ICalendarValues.h"

// What the expansion of one text may still spend; every rule of the text
// draws on it, so that no input makes more than a bounded amount of work.
struct ExpansionBudget {
  size_t occurrences = 0;  // occurrences that may still be made
  uint64_t tests = 0;      // candidate days that may still be tested
  bool cutShort = false;   // a bound stopped some expansion early
};

// An RRULE: FREQ=YEARLY, MONTHLY, WEEKLY or DAILY with INTERVAL, COUNT,
// UNTIL, BYMONTH, BYMONTHDAY (negative counts from the month's end), BYDAY
// (with ordinals such as 3MO or -1SU), BYSETPOS and WKST.
class RecurrenceRule {
 public:
  // False for a malformed rule or one this reader does not expand (another
  // frequency, or BYHOUR, BYMINUTE, BYSECOND, BYWEEKNO, BYYEARDAY).
  bool Parse(std::string_view value);

  bool HasEnd() const { return m_count > 0 || m_hasUntil; }
  // Whether the rule only repeats the start's month and day every year
  // (no end, no interval, no other days), as a yearly record does: a
  // 29 February start with SKIP=BACKWARD, 28 February in common years.
  bool RepeatsStartYearly(const DayTime& start) const;
  bool HasUntil() const { return m_hasUntil; }
  const ICalTime& Until() const { return m_until; }
  // UNTIL in the time the occurrences are counted in (the reader makes a
  // UTC UNTIL local, as it does with the start).
  void SetUntil(const ICalTime& until) { m_until = until; }

  // Appends the occurrences after `start`, in order. `start` itself is the
  // first occurrence (the caller makes it) and counts toward COUNT. Stops at
  // UNTIL, COUNT, lastDay or the end of the budget, and gives up on a rule
  // that has tested many days without finding one (it may never match).
  void Expand(const DayTime& start, long lastDay, ExpansionBudget& budget,
              std::vector<DayTime>& out) const;

 private:
  enum class Frequency { Yearly, Monthly, Weekly, Daily };
  struct Filters;
  class Emitter;

  Filters EffectiveFilters(const DayTime& start) const;
  bool ParsePart(std::string_view name, std::string_view value);

  Frequency m_freq = Frequency::Yearly;
  long m_interval = 1;
  long long m_count = 0;
  bool m_hasUntil = false;
  ICalTime m_until;
  uint16_t m_months = 0;          // bit m: month m; none set: any month
  uint32_t m_monthDays = 0;       // bit d: day d of the month
  uint32_t m_monthDaysFromEnd = 0;  // bit d: the d-th last day
  bool m_byDay = false;
  uint8_t m_weekdays = 0;         // bit w: every such weekday (0 = Sunday)
  std::bitset<54> m_nth[7];       // 3MO: m_nth[1][3]
  std::bitset<54> m_nthFromEnd[7];  // -1SU: m_nthFromEnd[0][1]
  std::bitset<367> m_setPos, m_setPosFromEnd;
  int m_weekStart = 1;            // WKST, Monday by default
  bool m_otherScale = false;      // RSCALE other than GREGORIAN (RFC 7529)
  bool m_skipBackward = false;    // SKIP=BACKWARD
};
