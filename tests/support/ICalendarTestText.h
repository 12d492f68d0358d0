#pragma once
// Portable helpers for the iCalendar tests: calendars from event bodies,
// records as short lines, and a fixed clock.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "lists/DateRecord.h"

// "name|yyyy-mm-dd" per record in order; with the time when withTime.
inline std::vector<std::string> RecordLines(const DateRecordList& records, bool withTime = false) {
  std::vector<std::string> lines;
  for (const DateRecord& r : records) {
    DateBreakdown b;
    char date[32] = "invalid";
    if (r.date.GetAsBreakdown(b)) {
      std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d:%02d", b.year, b.month, b.day,
                    b.hour, b.minute, b.second);
      if (!withTime) date[10] = '\0';
    }
    lines.push_back(r.name + "|" + date);
  }
  return lines;
}

// A calendar around VEVENT bodies whose lines are separated by "\n"; the
// text gets CR LF line ends.
inline std::string Calendar(const std::vector<std::string>& events) {
  std::string body = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Test//EN\n";
  for (const std::string& e : events) body += "BEGIN:VEVENT\n" + e + "\nEND:VEVENT\n";
  body += "END:VCALENDAR\n";
  std::string text;
  for (const char c : body) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

// The clock at 2026-06-15 12:00:00 UTC while the object lives.
class FixedClock {
 public:
  static constexpr int64_t kSeconds = 1781524800;
  FixedClock() { SetClockSource([]() -> int64_t { return kSeconds * 1000; }); }
  ~FixedClock() { SetClockSource(nullptr); }
};
