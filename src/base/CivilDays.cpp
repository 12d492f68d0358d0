#include "base/CivilDays.h"

long DaysFromCivil(int year, int month, int day) {
  // Shift the year to begin in March so that the leap day comes last.
  const int y = month <= 2 ? year - 1 : year;
  const int era = y / 400;  // years here are positive
  const int yoe = y - era * 400;
  const int mp = (month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return static_cast<long>(era) * 146097 + doe - 693899;  // 0000-03-01 to 1899-12-30
}

void CivilFromDays(long n, int& year, int& month, int& day) {
  const long z = n + 693899;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kLength[month - 1];
}

int WeekdayOfDays(long days) {
  // 1899-12-30 was a Saturday.
  return static_cast<int>(((days % 7) + 7 + 6) % 7);
}
