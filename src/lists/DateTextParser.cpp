#include "lists/DateTextParser.h"

#include "base/CivilDays.h"
#include "lists/PlatformText.h"

namespace {

// Reads `count` digits at `p`; false if any is not a digit.
bool Digits(const char* p, int count, int& value) {
  value = 0;
  for (int i = 0; i < count; ++i) {
    const unsigned d = static_cast<unsigned char>(p[i]) - '0';
    if (d > 9) return false;
    value = value * 10 + static_cast<int>(d);
  }
  return true;
}

}  // namespace

bool ParseWrittenDate(const char* text, size_t length, COleDateTime& out) {
  if (length != 10 && length != 19) return false;
  int year, month, day, hour = 0, minute = 0, second = 0;
  if (!Digits(text, 4, year) || text[4] != '/' || !Digits(text + 5, 2, month) ||
      text[7] != '/' || !Digits(text + 8, 2, day)) {
    return false;
  }
  if (length == 19 && (text[10] != ' ' || !Digits(text + 11, 2, hour) || text[13] != ':' ||
                       !Digits(text + 14, 2, minute) || text[16] != ':' ||
                       !Digits(text + 17, 2, second))) {
    return false;
  }
  // Only dates the platform takes as they stand; anything it would have to
  // interpret (a day 31 in a 30-day month, month 13) is its business.
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour > 23 || minute > 59 || second > 59) {
    return false;
  }
  return out.SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime ParseDateText(const char* text, size_t length) {
  COleDateTime date;
  if (ParseWrittenDate(text, length, date)) return date;
  return ParsePlatformDate(std::string(text, length));
}
