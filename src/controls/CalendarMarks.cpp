#include "controls/CalendarMarks.h"

#include "base/CivilDays.h"
#include "controls/DayStateIndex.h"

std::vector<Occurrence> MarkListDays(CTipMonthCal& calendar, const DateRecordList& records, DateListKind kind) {
  HWND hwnd = calendar.GetSafeHwnd();
  if (hwnd == nullptr) return {};
  SYSTEMTIME range[2]{};
  const LRESULT words = ::SendMessageA(hwnd, MCM_GETMONTHRANGE, GMR_DAYSTATE,
                                       reinterpret_cast<LPARAM>(range));
  if (words <= 0 || range[0].wYear < 1 || range[1].wYear > 9999) return {};
  std::vector<MONTHDAYSTATE> states(static_cast<size_t>(words), 0);
  calendar.ClearTips();
  std::vector<Occurrence> marked =
      OccurrencesWithin(records, DaysFromCivil(range[0].wYear, range[0].wMonth, range[0].wDay),
                        DaysFromCivil(range[1].wYear, range[1].wMonth, range[1].wDay));
  for (const Occurrence& o : marked) {
    SYSTEMTIME day{};
    int year, month, dayOfMonth;
    CivilFromDays(static_cast<long>(o.day), year, month, dayOfMonth);
    day.wYear = static_cast<WORD>(year);
    day.wMonth = static_cast<WORD>(month);
    day.wDay = static_cast<WORD>(dayOfMonth);
    const int index = DayStateIndex(range[0].wYear, range[0].wMonth, year, month, static_cast<int>(words));
    if (index < 0) continue;
    calendar.AddTip(day, ShownName(*o.record, o.day, kind));
    states[static_cast<size_t>(index)] |= 1u << (dayOfMonth - 1);
  }
  ::SendMessageA(hwnd, MCM_SETDAYSTATE, static_cast<WPARAM>(words),
                 reinterpret_cast<LPARAM>(states.data()));
  // Wine's calendar keeps new day states without drawing them: a list loaded
  // in place would show the old list's bold days until the month changed.
  ::InvalidateRect(hwnd, nullptr, FALSE);
  return marked;
}
