#pragma once
#include <string>
#include <string_view>

// A day (days since 1899-12-30) and a second of that day.
struct DayTime {
  long day = 0;
  int second = 0;
};
inline bool operator<(const DayTime& a, const DayTime& b) {
  return a.day != b.day ? a.day < b.day : a.second < b.second;
}
inline bool operator==(const DayTime& a, const DayTime& b) {
  return a.day == b.day && a.second == b.second;
}

// A DATE ("yyyymmdd") or DATE-TIME ("yyyymmddThhmmss", "Z" for UTC) value.
struct ICalTime {
  DayTime at;
  bool dateOnly = false;
  bool utc = false;
};

// The first and last day the reader makes records for (years 100 to 9999).
long FirstICalDay();
long LastICalDay();

// False for anything else than the two forms, or a date outside the years
// 100 to 9999; a leap second reads as second 59.
bool ParseICalTime(std::string_view text, ICalTime& out);
// A DURATION ("P1D", "-PT2H30M", "P2W") in seconds; false if malformed.
bool ParseICalDuration(std::string_view text, long long& seconds);

// A TEXT value with its escapes undone; a line break ("\n") becomes a space.
std::string UnescapeICalText(std::string_view value);
// Appends text as a TEXT value: backslash, semicolon and comma escaped, a
// line break (CR LF, LF or CR) as "\n", other control characters as spaces.
void AppendEscapedICalText(std::string& out, std::string_view text);

// Appends "yyyymmdd" (and "Thhmmss" when withTime) for a day and second.
void AppendICalTime(std::string& out, const DayTime& at, bool withTime);
