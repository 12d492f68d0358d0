#pragma once
// A month calendar's day-state words cover the months it displays in order,
// the first word the month of the first displayed day (a partly shown month
// counts). A day's word is its month's offset from that first month; -1
// when the offset falls outside the `wordCount` words the calendar reports.
inline int DayStateIndex(int firstYear, int firstMonth, int year, int month, int wordCount) {
  const long offset = (static_cast<long>(year) * 12 + month) -
                      (static_cast<long>(firstYear) * 12 + firstMonth);
  return offset >= 0 && offset < wordCount ? static_cast<int>(offset) : -1;
}
