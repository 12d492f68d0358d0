#include "ical/ICalendarValues.h"

#include "base/CivilDays.h"

long FirstICalDay() { return DaysFromCivil(100, 1, 1); }
long LastICalDay() { return DaysFromCivil(9999, 12, 31); }

namespace {

bool Digits(std::string_view text, size_t pos, size_t count, int& value) {
  value = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

void AppendDigits(std::string& out, int value, int width) {
  char digits[8];
  for (int i = width - 1; i >= 0; --i, value /= 10) digits[i] = static_cast<char>('0' + value % 10);
  out.append(digits, static_cast<size_t>(width));
}

}  // namespace

bool ParseICalTime(std::string_view text, ICalTime& out) {
  int year, month, day;
  if (text.size() < 8 || !Digits(text, 0, 4, year) || !Digits(text, 4, 2, month) ||
      !Digits(text, 6, 2, day) || year < 100 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return false;
  }
  ICalTime t;
  t.at.day = DaysFromCivil(year, month, day);
  if (text.size() == 8) {
    t.dateOnly = true;
  } else {
    int hour, minute, second;
    if ((text.size() != 15 && text.size() != 16) || (text[8] != 'T' && text[8] != 't') ||
        !Digits(text, 9, 2, hour) || !Digits(text, 11, 2, minute) ||
        !Digits(text, 13, 2, second) || hour > 23 || minute > 59 || second > 60) {
      return false;
    }
    if (text.size() == 16) {
      if (text[15] != 'Z' && text[15] != 'z') return false;
      t.utc = true;
    }
    t.at.second = hour * 3600 + minute * 60 + (second > 59 ? 59 : second);
  }
  out = t;
  return true;
}

bool ParseICalDuration(std::string_view text, long long& seconds) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size() || (text[pos] != 'P' && text[pos] != 'p')) return false;
  ++pos;
  long long total = 0;
  bool inTime = false, any = false;
  while (pos < text.size()) {
    char c = text[pos];
    if (c == 'T' || c == 't') {
      inTime = true;
      ++pos;
      continue;
    }
    long long n = 0;
    size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
      if (n < 1000000000LL) n = n * 10 + (text[pos] - '0');
      ++pos;
      ++digits;
    }
    if (digits == 0 || pos >= text.size()) return false;
    c = text[pos++];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == 'W' && !inTime) {
      total += n * 7 * 86400;
    } else if (c == 'D' && !inTime) {
      total += n * 86400;
    } else if (c == 'H' && inTime) {
      total += n * 3600;
    } else if (c == 'M' && inTime) {
      total += n * 60;
    } else if (c == 'S' && inTime) {
      total += n;
    } else {
      return false;
    }
    any = true;
    if (total > (1LL << 50)) total = 1LL << 50;  // far past any calendar
  }
  if (!any) return false;
  seconds = negative ? -total : total;
  return true;
}

std::string UnescapeICalText(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c != '\\' || i + 1 == value.size()) {
      out += c;
      continue;
    }
    const char next = value[++i];
    // A list name holds no line break; it reads as the space the list
    // writer would have made of it.
    out += (next == 'n' || next == 'N') ? ' ' : next;
  }
  return out;
}

void AppendEscapedICalText(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\\n";
    } else if ((c >= 0 && c < 0x20 && c != '\t') || c == 0x7F) {
      out += ' ';
    } else {
      out += c;
    }
  }
}

void AppendICalTime(std::string& out, const DayTime& at, bool withTime) {
  int year, month, day;
  CivilFromDays(at.day, year, month, day);
  AppendDigits(out, year, 4);
  AppendDigits(out, month, 2);
  AppendDigits(out, day, 2);
  if (withTime) {
    out += 'T';
    AppendDigits(out, at.second / 3600, 2);
    AppendDigits(out, at.second / 60 % 60, 2);
    AppendDigits(out, at.second % 60, 2);
  }
}
