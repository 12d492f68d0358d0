#pragma once
#include <cstddef>
#include <string>

#include "lists/DateRecord.h"

// Lists as iCalendar (RFC 5545) text: the form calendar programs publish
// holidays in. Text is UTF-8 there; names are converted to and from the
// program's code page (Utf8ToAnsi, AnsiToUtf8 in PlatformText.h).

// Our PRODID; ICalendarMadeByUs recognises it whatever the version in it.
extern const char kICalendarProdId[];  // "-//QRV//Tempovista <version>//EN"

// No text makes more records than this.
constexpr size_t kMaxICalendarRecords = 1000000;

// Whether text is iCalendar rather than list text: after an optional UTF-8
// byte-order mark and blank lines, it begins with "BEGIN:VCALENDAR" in any
// case.
bool IsICalendarText(const std::string& text);

// Whether the text is iCalendar written by this program (its PRODID is
// ours), so that saving over it loses nothing that another program wrote.
bool ICalendarMadeByUs(const std::string& text);

// The records of an iCalendar text, sorted by date (SortByDate). Every
// VEVENT that is not STATUS:CANCELLED gives records named by its SUMMARY:
// - holidays and events: an all-day event one record a day from DTSTART up
//   to the day before DTEND (or DTSTART plus DURATION; neither: one day);
//   an event with a time of day one record on its start date;
// - counters: one record per occurrence at its start, an all-day one at
//   00:00 of its first day.
// Times in UTC ("Z") are made local; TZID and floating times are taken as
// written. RRULE (yearly, monthly, weekly, daily), RDATE and EXDATE are
// expanded, and an event with a RECURRENCE-ID replaces the occurrence it
// names. For holidays and events, an event whose one rule only repeats its
// own month and day every year (nothing else, not even an EXDATE) gives a
// yearly record per day instead of a run of dates. A rule without COUNT or UNTIL runs to the end of the year 30 years
// after the current one (from the clock, Clock.h). Whatever the input, at
// most kMaxICalendarRecords records are made and the work stays in
// proportion to them and to the text's size; `cutShort`, when given, tells
// whether a bound left anything out. Malformed parts are skipped.
DateRecordList ParseICalendarText(const std::string& text, DateListKind kind,
                                  bool* cutShort = nullptr);

// The iCalendar text of a list: VERSION, our PRODID, and one VEVENT per
// active record with a valid date, in list order. Holidays and events are
// all-day events (DTSTART and DTEND as dates), counters start at their
// local time (floating DTSTART); a yearly record repeats with
// RRULE:FREQ=YEARLY (RFC 7529's SKIP=BACKWARD on 29 February). Each UID is made of the kind, the date, the
// name and the record's place among records of the same name and date, so
// it stays the same from one save to the next; DTSTAMP is the clock's time.
// CR LF line ends, lines folded at 75 octets. Reading the text gives back
// the records (names as the code page round trip gives them).
std::string FormatICalendarText(const DateRecordList& list, DateListKind kind);
