#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "base/COleDateTime.h"
#include "lists/DateRecord.h"

// Texts of the tray's reminders, cut to the shell's fixed fields. A cut
// never splits a double-byte character of the ANSI code page.

// The longest start of `text` of at most `room` bytes.
std::string CutToFit(const std::string& text, size_t room);
// As much of `text` as a record's text field of `size` bytes holds, with
// its terminator.
void CopyTextField(char* field, size_t size, const std::string& text);

// `text` whole when it has at most `room` bytes; else as much as fits
// before "...". Empty when not even "..." fits.
std::string FitWithEllipsis(const std::string& text, size_t room);

// The tray icon's tooltip of at most `room` bytes: `title`, a line feed and
// the date text (the date text alone where `title` is empty), then a line
// feed and the day's names, separated by ", " and cut with "..." to fit.
std::string TooltipText(const std::string& title, const std::string& dateText,
                        const std::vector<std::string>& names, size_t room);

// The lines, one a line, as many as fit in `room` bytes with "and N more"
// last for the rest; a line too wide for the balloon is cut with "...".
std::string LinesThatFit(const std::vector<std::string>& lines, size_t room);

// The names of the active records on the date of `day`, in list order.
std::vector<std::string> NamesOnDay(const DateRecordList& list, const COleDateTime& day);

// A counter's end as the Countdowns page lists it and its balloon tells it:
// the date, a space, the time, in the user's locale (Windows only).
std::string EndText(const COleDateTime& end);
