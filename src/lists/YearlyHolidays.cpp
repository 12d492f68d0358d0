#include "lists/YearlyHolidays.h"

#include <algorithm>

#include "base/CivilDays.h"
#include "base/DifferenceCalc.h"

namespace {
constexpr int kHolidayCycleYears = 400;
constexpr int kLastHolidayYear = 9999;
}  // namespace

void YearlyHolidays::Rebuild(const DateRecordList& holidays, const WorkWeek& week) {
  m_runs.clear();
  for (auto& month : m_firstYear) std::fill(std::begin(month), std::end(month), 0);
  for (const DateRecord& h : holidays) {
    if (!h.active || !h.yearly || !h.date.IsValid()) continue;
    int year, month, day;
    CivilFromDays(static_cast<long>(DayIndex(h.date.m_dt)), year, month, day);
    if (year < 1 || year > kLastHolidayYear) continue;
    int& first = m_firstYear[month][day];
    first = first == 0 ? year : std::min(first, year);
  }
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const int first = m_firstYear[month][day];
      if (first == 0) continue;
      if (month != 2 || day != 29) {
        AddRun(month, day, Years::All, first, kLastHolidayYear, week);
        continue;
      }
      // A common year's 28 February is off once: up to the year a 28
      // February holiday of its own begins.
      AddRun(2, 29, Years::Leap, first, kLastHolidayYear, week);
      const int own28 = m_firstYear[2][28];
      AddRun(2, 28, Years::Common, first, own28 == 0 ? kLastHolidayYear : own28 - 1, week);
    }
  }
}

void YearlyHolidays::AddRun(int month, int day, Years years, int firstYear, int lastYear,
                            const WorkWeek& week) {
  if (lastYear < firstYear) return;
  Run run{month, day, years, firstYear, lastYear, {}, 0, {}};
  for (int p = 0; p < kHolidayCycleYears; ++p) {
    const bool off = InYears(run, p) && week.IsWorkingDay(DaysFromCivil(p + 2000, month, day));
    run.offBefore[static_cast<size_t>(p) + 1] = static_cast<uint16_t>(run.offBefore[static_cast<size_t>(p)] + (off ? 1 : 0));
  }
  run.offBeforeFirst = OffYearsThrough(run, firstYear - 1);
  run.dayOfYear[0] = static_cast<int>(DaysFromCivil(2001, month, day) - DaysFromCivil(2001, 1, 1));
  run.dayOfYear[1] = static_cast<int>(DaysFromCivil(2000, month, day) - DaysFromCivil(2000, 1, 1));
  m_runs.push_back(run);
}

bool YearlyHolidays::InYears(const Run& run, int year) {
  return run.years == Years::All || IsLeapYear(year) == (run.years == Years::Leap);
}

long long YearlyHolidays::OffYearsThrough(const Run& run, long long year) {
  if (year < 0) return 0;
  const long long cycles = (year + 1) / kHolidayCycleYears;
  return cycles * run.offBefore[kHolidayCycleYears] + run.offBefore[static_cast<size_t>((year + 1) % kHolidayCycleYears)];
}

long long YearlyHolidays::CountThrough(long long day) const {
  if (m_runs.empty()) return 0;
  static const long kFirstDay = DaysFromCivil(1, 1, 1);
  static const long kLastDay = DaysFromCivil(kLastHolidayYear, 12, 31);
  if (day < kFirstDay) return 0;
  day = std::min<long long>(day, kLastDay);
  int year, month, dayOfMonth;
  CivilFromDays(static_cast<long>(day), year, month, dayOfMonth);
  // Shared by every run: the whole years before this one, and this year.
  const long long cycles = year / kHolidayCycleYears;
  const size_t before = static_cast<size_t>(year % kHolidayCycleYears);
  const long jan1 = DaysFromCivil(year, 1, 1);
  const int leap = IsLeapYear(year) ? 1 : 0;
  long long count = 0;
  for (const Run& run : m_runs) {
    if (year <= run.firstYear) {
      if (year < run.firstYear) continue;
    } else if (year - 1 <= run.lastYear) {
      count += cycles * run.offBefore[kHolidayCycleYears] + run.offBefore[before] - run.offBeforeFirst;
    } else {
      count += OffYearsThrough(run, run.lastYear) - run.offBeforeFirst;
      continue;
    }
    // This year's day, if it has come: the table says whether it is one.
    if (year <= run.lastYear && run.offBefore[before + 1] != run.offBefore[before] &&
        jan1 + run.dayOfYear[leap] <= day) {
      ++count;
    }
  }
  return count;
}

bool YearlyHolidays::Covers(long long day) const {
  int year, month, dayOfMonth;
  CivilFromDays(static_cast<long>(day), year, month, dayOfMonth);
  const int first = m_firstYear[month][dayOfMonth];
  if (first != 0 && year >= first) return true;
  // A 29 February holiday's common years.
  const int leapDay = m_firstYear[2][29];
  return month == 2 && dayOfMonth == 28 && leapDay != 0 && year >= leapDay && !IsLeapYear(year);
}
