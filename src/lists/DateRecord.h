#pragma once
#include <list>
#include <string>

#include "base/COleDateTime.h"

// One named date: a holiday, an event or a countdown counter's end moment.
struct DateRecord {
  std::string name;
  COleDateTime date;
  bool active = true;  // false: deleted on the countdown page, ignored everywhere
  // Holidays and events: the record comes back on its month and day every
  // year from `date` on; `date` stays its first day.
  bool yearly = false;
};

// Nodes are allocated one per record; SortByDate relinks them.
using DateRecordList = std::list<DateRecord>;

enum class DateListKind { Holidays, Events, Counters };
// The kinds in the order the program goes through its lists: loading them
// at start, asking to save them at exit.
constexpr DateListKind kListKinds[] = {DateListKind::Holidays, DateListKind::Events,
                                       DateListKind::Counters};

// Stable merge sort by date on the linear time scale, by relinking.
void SortByDate(DateRecordList& list);
