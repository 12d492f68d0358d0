#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "base/WorkWeek.h"
#include "lists/DateRecord.h"

// The working days that yearly holidays take off, counted in closed form:
// the Gregorian calendar repeats its weekdays every 400 years, so each
// distinct month and day keeps a table of one such cycle, and a count costs
// the same for a span of ten days as for ten thousand years, growing only
// with the number of distinct month-days. Records on one month and day
// repeat from the earliest of them; a 29 February holiday in a common year
// takes 28 February, counted once where a 28 February holiday is there too.
class YearlyHolidays {
 public:
  void Rebuild(const DateRecordList& holidays, const WorkWeek& week);

  bool Empty() const { return m_runs.empty(); }
  // Working days d <= day that a yearly holiday takes off.
  long long CountThrough(long long day) const;
  // Whether a yearly holiday falls on `day` (working day or not).
  bool Covers(long long day) const;

 private:
  enum class Years : uint8_t { All, Leap, Common };
  // One month and day over a run of years.
  struct Run {
    int month;
    int day;
    Years years;
    int firstYear;
    int lastYear;
    // Years p of the cycle's first i (0..400) on which it takes a working day off.
    std::array<uint16_t, 401> offBefore;
    long long offBeforeFirst;  // OffYearsThrough(firstYear - 1)
    int dayOfYear[2];          // from 1 January: in a common year, in a leap year
  };

  void AddRun(int month, int day, Years years, int firstYear, int lastYear, const WorkWeek& week);
  // Years 0..year (of the proleptic calendar) on which the run takes a day off.
  static long long OffYearsThrough(const Run& run, long long year);
  static bool InYears(const Run& run, int year);

  std::vector<Run> m_runs;
  int m_firstYear[13][32] = {};  // by month and day: the earliest year, 0 none
};
