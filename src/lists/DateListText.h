#pragma once
#include <string>

#include "lists/DateRecord.h"
#include "lists/PlatformText.h"

// The list text format: "!Version: 1.0", then one line per record, its name,
// a bar and its date ("yyyy/mm/dd", counters "yyyy/mm/dd hh:mm:ss").

// The records of a list text, unsorted, in text order. The text has had its
// CR characters removed (RemoveCarriageReturns); it ends at its first NUL,
// as list text is NUL-terminated. Lines beginning with "!" are skipped
// wherever they stand, blank lines too; a name runs to the first bar or line
// end, the date text to the line end; a name without a bar takes the next
// line as its date text. An unreadable date keeps the record, with an
// invalid date. A line that is exactly "!Every year" makes the next record
// yearly (blank lines between allowed, any other line cancels it), unless
// its date is invalid or the list holds counters.
DateRecordList ParseDateListText(const std::string& text, DateListKind kind = DateListKind::Holidays);
// The same with the lead bytes of a given code page (tests, benchmarks).
DateRecordList ParseDateListText(const std::string& text, const LeadByteTable& leadBytes,
                                 DateListKind kind = DateListKind::Holidays);

// The text that saving writes: the header, then one CR LF line per active
// record in list order, a yearly one after a line "!Every year" (which
// earlier versions skip, reading the record on its first date). An invalid
// date reads -001/-1/-1 (-1:-1:-1).
// Names are written unchanged, except that the few that would not read back
// or would spoil the lines after them are made safe: bars, CRs, LFs and
// NULs become spaces, as does a lead byte of the code page without a
// second byte; an empty name becomes one space and a leading "!" gets a
// space before it.
std::string FormatDateListText(const DateRecordList& list, DateListKind kind);
std::string FormatDateListText(const DateRecordList& list, DateListKind kind,
                               const LeadByteTable& leadBytes);

// Deletes every CR character, as loading does before parsing.
void RemoveCarriageReturns(std::string& text);
