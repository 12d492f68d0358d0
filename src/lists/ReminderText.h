#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "base/COleDateTime.h"
#include "lists/DateRecord.h"

// Texts of the tray's reminders, cut to the shell's fixed wide fields: every
// room is in UTF-16 characters, as the fields count them, and a cut never
// splits a character of the program's code page.

// The longest start of `text` of at most `room` characters.
std::string CutToFit(const std::string& text, size_t room);

// `text` whole when it has at most `room` characters; else as much as fits
// before "...". Empty when not even "..." fits.
std::string FitWithEllipsis(const std::string& text, size_t room);

// The tray icon's tooltip of at most `room` characters: `title`, a line feed and
// the date text (the date text alone where `title` is empty), then a line
// feed and the day's names, separated by ", " and cut with "..." to fit.
std::string TooltipText(const std::string& title, const std::string& dateText,
                        const std::vector<std::string>& names, size_t room);

// The lines, one a line, as many as fit in `room` characters with "and N more"
// last for the rest; a line too wide for the balloon is cut with "...".
std::string LinesThatFit(const std::vector<std::string>& lines, size_t room);

// The names of the active records of a list that fall on the date of `day`,
// in list order, as ShownName gives them.
std::vector<std::string> NamesOnDay(const DateRecordList& list, DateListKind kind, const COleDateTime& day);

// How many days ahead the daily balloon may look: two months.
constexpr long kMaxRemindDaysAhead = 60;

// One line of the daily balloon, with the list and day it tells of.
struct ReminderLine {
  std::string text;
  DateListKind kind;
  long long day;  // DayIndex
};

// The daily balloon's lines: today's holidays ("Holiday: " name) and events
// ("Event: " name), then those of the next `daysAhead` days, soonest first
// and holidays first within a day: "Tomorrow: " name, "In 3 days: " name.
// `daysAhead` is taken within 0..kMaxRemindDaysAhead.
std::vector<ReminderLine> ReminderLines(const DateRecordList& holidays, const DateRecordList& events,
                                        long long today, long daysAhead);

// A counter's end as the Countdowns page lists it and its balloon tells it:
// the date, a space, the time, in the user's locale (Windows only).
std::string EndText(const COleDateTime& end);
