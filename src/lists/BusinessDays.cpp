#include "lists/BusinessDays.h"

#include "base/DifferenceCalc.h"

long CountBusinessDays(const COleDateTime& start, const COleDateTime& end,
                       const DateRecordList& holidays) {
  long count = CountWeekdays(start, end);
  const double from = COleDateTime::LinearKey(start.m_dt);
  const double to = COleDateTime::LinearKey(end.m_dt);
  for (const DateRecord& h : holidays) {
    const double key = COleDateTime::LinearKey(h.date.m_dt);
    if (key > to) break;
    if (!h.active || key <= from) continue;
    if (IsoWeekday(h.date.m_dt) <= 5) --count;
  }
  return count;
}
