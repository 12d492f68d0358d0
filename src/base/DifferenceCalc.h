#pragma once
#include <cstdint>
#include <string>

#include "base/COleDateTime.h"

// The Month by Month page's calculations on plain values.

// Unit codes of the packed difference: bits 16..23 of the "Difference"
// setting; bits 0..15 hold the amount.
enum DifferenceUnit : uint32_t {
  kUnitDays = 0x10000,
  kUnitWeeks = 0x20000,
  kUnitMonths = 0x40000,
  kUnitYears = 0x80000,
  // Moved and counted with the user's work week and holidays (lists/),
  // which the calculations here know nothing of.
  kUnitBusinessDays = 0x100000,
};
constexpr uint32_t kUnitMask = 0x00FF0000;
constexpr uint32_t kAmountMask = 0x0000FFFF;
constexpr long kMaxAmount = 65535;

// The leading decimal number of an amount text: leading white space skipped,
// an optional sign, then the digits up to the first non-digit; no digits
// give 0. Saturates far outside 0..65535 instead of overflowing.
long LeadingNumber(const std::string& text);

// The amount to move by: the leading number clamped to 0..65535. When it
// was clamped, `text` is rewritten to the clamped value ("65535" or "0").
long ReadAmount(std::string& text);

// amount (clamped to 0..65535, so that it never spills into the unit bits)
// plus the unit code.
uint32_t PackDifference(long amount, uint32_t unit);

// Moves `base` by n units (n may be negative). Days and weeks add days;
// months and years compose the same day of the target month, carrying a day
// beyond its end into the next month (31 January + 1 month is 3 March in a
// common year). False, leaving `result` alone, when the result would leave
// 1 January 100 .. 31 December 9999, the unit is unknown or base is invalid.
bool MoveByDifference(const COleDateTime& base, long n, uint32_t unit, COleDateTime& result);

// 1 January 100 .. 31 December 9999, the dates the page can show.
bool InSupportedRange(const COleDateTime& date);

// The difference from start to end in the unit, for end >= start: whole
// days; whole weeks; months counted from the month numbers; years from the
// year numbers (the days of the month play no part). 0 for an unknown unit.
long UnlockedDifference(const COleDateTime& start, const COleDateTime& end, uint32_t unit);

// end - start in whole days, toward zero.
long CountDays(const COleDateTime& start, const COleDateTime& end);

// The day the counts run from: the start itself, or the day before it when
// the start date is counted too (both ends, as spreadsheets' NETWORKDAYS).
// The difference's amount never uses this: the end is always start + amount.
COleDateTime CountingStart(const COleDateTime& start, bool includeStart);

// n days as "%ld.%ld": whole weeks, a point, the days left (10 is "1.3").
std::string FormatWeeks(long days);

// Days d with start < d <= end that fall on Monday to Friday, in closed
// form (the same formula for a negative span).
long CountWeekdays(const COleDateTime& start, const COleDateTime& end);

// The calendar day a value falls on, as a day number (0 = 1899-12-30): for
// either sign the calendar day is the integer part. 0 for nonsense values.
long long DayIndex(double value);

// Monday = 1 .. Sunday = 7 of the calendar day a value falls on.
int IsoWeekday(double value);
