#pragma once
#include <string>
#include <vector>

#include "lists/DateRecord.h"

// Where records fall, on day numbers (DayIndex): a one-time record on its
// own day; a yearly one on its month and day in every year from its first
// date on, never before it, a 29 February one on 28 February in common
// years.

// The day that a yearly date of `month` and `day` falls on in `year`.
long YearlyDayIn(int month, int day, int year);

// Whether an active record with a valid date falls on `day`.
bool OccursOn(const DateRecord& record, long long day);

// The record's name as shown on `day`: a yearly event after its first year
// carries the years since: "Anna's birthday (36)"; a holiday only its name.
std::string ShownName(const DateRecord& record, long long day, DateListKind kind);

struct Occurrence {
  const DateRecord* record;
  long long day;
};

// The days from `first` to `last` on which active records with valid dates
// fall, by day, in list order within a day. The pointers are good until the
// list next changes.
std::vector<Occurrence> OccurrencesWithin(const DateRecordList& list, long long first, long long last);
