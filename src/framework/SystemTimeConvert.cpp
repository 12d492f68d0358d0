#include "framework/SystemTimeConvert.h"

SYSTEMTIME ToSystemTime(const COleDateTime& date) {
  SYSTEMTIME st{};
  DateBreakdown b;
  if (date.GetAsBreakdown(b)) {
    st.wYear = static_cast<WORD>(b.year);
    st.wMonth = static_cast<WORD>(b.month);
    st.wDayOfWeek = static_cast<WORD>(b.dayOfWeek - 1);
    st.wDay = static_cast<WORD>(b.day);
    st.wHour = static_cast<WORD>(b.hour);
    st.wMinute = static_cast<WORD>(b.minute);
    st.wSecond = static_cast<WORD>(b.second);
  }
  return st;
}

COleDateTime FromSystemTime(const SYSTEMTIME& st) {
  COleDateTime date;
  date.SetDate(st.wYear, st.wMonth, st.wDay);
  return date;
}
