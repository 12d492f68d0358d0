#include "controls/CalendarMarks.h"

#include "controls/DayStateIndex.h"
#include "framework/SystemTimeConvert.h"

std::vector<const DateRecord*> MarkListDays(CTipMonthCal& calendar, const DateRecordList& records) {
  std::vector<const DateRecord*> marked;
  HWND hwnd = calendar.GetSafeHwnd();
  if (hwnd == nullptr) return marked;
  SYSTEMTIME range[2]{};
  const LRESULT words = ::SendMessageA(hwnd, MCM_GETMONTHRANGE, GMR_DAYSTATE,
                                       reinterpret_cast<LPARAM>(range));
  if (words <= 0) return marked;
  std::vector<MONTHDAYSTATE> states(static_cast<size_t>(words), 0);
  calendar.ClearTips();

  const COleDateTime first = FromSystemTime(range[0]);
  const COleDateTime afterLast = FromSystemTime(range[1]).AddDays(1);
  for (const DateRecord& record : records) {
    if (!record.active || !record.date.IsValid()) continue;
    if (record.date < first || !(record.date < afterLast)) continue;
    const SYSTEMTIME day = ToSystemTime(record.date);
    if (day.wDay == 0) continue;  // no calendar day to mark
    const int index = DayStateIndex(range[0].wYear, range[0].wMonth, day.wYear, day.wMonth,
                                    static_cast<int>(words));
    if (index < 0) continue;
    calendar.AddTip(day, record.name);
    states[static_cast<size_t>(index)] |= 1u << (day.wDay - 1);
    marked.push_back(&record);
  }
  ::SendMessageA(hwnd, MCM_SETDAYSTATE, static_cast<WPARAM>(words),
                 reinterpret_cast<LPARAM>(states.data()));
  return marked;
}
