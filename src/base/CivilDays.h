#pragma once

// Day numbers of the proleptic Gregorian calendar: days since 1899-12-30,
// the integer part of an OLE date. For years 1..9999.

long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long days, int& year, int& month, int& day);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // month 1..12
int WeekdayOfDays(long days);          // 0 = Sunday .. 6 = Saturday
