#include "lists/Occurrences.h"

#include <algorithm>

#include "base/CivilDays.h"
#include "base/DifferenceCalc.h"

namespace {

constexpr int kLastOccurrenceYear = 9999;

bool Counts(const DateRecord& record) { return record.active && record.date.IsValid(); }

int YearOf(long long day) {
  int year, month, dayOfMonth;
  CivilFromDays(static_cast<long>(day), year, month, dayOfMonth);
  return year;
}

}  // namespace

long YearlyDayIn(int month, int day, int year) {
  if (month == 2 && day == 29 && !IsLeapYear(year)) day = 28;
  return DaysFromCivil(year, month, day);
}

bool OccursOn(const DateRecord& record, long long day) {
  if (!Counts(record)) return false;
  const long long first = DayIndex(record.date.m_dt);
  if (!record.yearly || day <= first) return day == first;
  int firstYear, month, dayOfMonth, year, unused;
  CivilFromDays(static_cast<long>(first), firstYear, month, dayOfMonth);
  CivilFromDays(static_cast<long>(day), year, unused, unused);
  return YearlyDayIn(month, dayOfMonth, year) == day;
}

std::string ShownName(const DateRecord& record, long long day, DateListKind kind) {
  if (kind != DateListKind::Events || !record.yearly || !record.date.IsValid()) return record.name;
  const int years = YearOf(day) - YearOf(DayIndex(record.date.m_dt));
  return years > 0 ? record.name + " (" + std::to_string(years) + ")" : record.name;
}

std::vector<Occurrence> OccurrencesWithin(const DateRecordList& list, long long first, long long last) {
  std::vector<Occurrence> found;
  if (last < first) return found;
  const int lastYear = std::min(YearOf(last), kLastOccurrenceYear);
  for (const DateRecord& record : list) {
    if (!Counts(record)) continue;
    const long long own = DayIndex(record.date.m_dt);
    if (!record.yearly) {
      if (own >= first && own <= last) found.push_back(Occurrence{&record, own});
      continue;
    }
    int year, month, dayOfMonth;
    CivilFromDays(static_cast<long>(own), year, month, dayOfMonth);
    for (int y = std::max(year, YearOf(first)); y <= lastYear; ++y) {
      const long long day = YearlyDayIn(month, dayOfMonth, y);
      if (day >= first && day <= last) found.push_back(Occurrence{&record, day});
    }
  }
  // One-time records come in date order already; yearly ones are spread.
  std::stable_sort(found.begin(), found.end(),
                   [](const Occurrence& a, const Occurrence& b) { return a.day < b.day; });
  return found;
}
