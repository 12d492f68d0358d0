#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "base/CivilDays.h"
#include "base/Clock.h"
#include "ical/ContentLineReader.h"
#include "ical/ICalendarText.h"
#include "ical/ICalendarValues.h"
#include "lists/PlatformText.h"
#include "version.h"

const char kICalendarProdId[] = "-//QRV//Tempovista " TV_VERSION_TEXT "//EN";

namespace {

constexpr size_t kFoldOctets = 75;

// Appends one content line, folded so that no line holds more than 75
// octets, never inside a UTF-8 sequence, and ends it with CR LF.
void AppendLine(std::string& out, std::string_view line) {
  size_t room = kFoldOctets;
  while (line.size() > room) {
    size_t cut = room;
    while (cut > 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line.data(), cut);
    out += "\r\n ";
    line.remove_prefix(cut);
    room = kFoldOctets - 1;  // the continuation's leading space counts
  }
  out.append(line.data(), line.size());
  out += "\r\n";
}

// The UID of a record: kind, date, a hash of the name and the place among
// records of the same name and date.
std::string MakeUid(char kindLetter, const std::string& when, const std::string& name,
                    unsigned place) {
  uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (const char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  std::string uid = "UID:";
  uid += kindLetter;
  uid += '-';
  uid += when;
  uid += '-';
  for (int shift = 60; shift >= 0; shift -= 4) uid += "0123456789abcdef"[(h >> shift) & 15];
  uid += '-';
  uid += std::to_string(place);
  return uid + "@tempovista";
}

std::string UtcStamp() {
  const int64_t seconds = ClockSeconds();
  int64_t days = seconds / 86400, rest = seconds % 86400;
  if (rest < 0) rest += 86400, --days;
  std::string out;
  AppendICalTime(out, DayTime{static_cast<long>(days + 25569), static_cast<int>(rest)}, true);
  return out + "Z";
}

bool ToDayTime(const COleDateTime& date, bool withTime, DayTime& at) {
  DateBreakdown b;
  if (!date.GetAsBreakdown(b)) return false;
  at.day = DaysFromCivil(b.year, b.month, b.day);
  at.second = withTime ? b.hour * 3600 + b.minute * 60 + b.second : 0;
  return true;
}

}  // namespace

bool ICalendarMadeByUs(const std::string& text) {
  if (!IsICalendarText(text)) return false;
  // Any version of ours: the PRODID up to the version number.
  const std::string_view ours(kICalendarProdId, std::strrchr(kICalendarProdId, ' ') + 1 - kICalendarProdId);
  ContentLineReader reader(text);
  ContentLine line;
  while (reader.Next(line)) {
    if (line.Is("PRODID")) return line.value.substr(0, ours.size()) == ours;
    if (line.Is("BEGIN") && !EqualsNoCase(line.value, "VCALENDAR")) return false;
  }
  return false;
}

std::string FormatICalendarText(const DateRecordList& list, DateListKind kind) {
  const bool counters = kind == DateListKind::Counters;
  const char kindLetter = counters ? 'c' : kind == DateListKind::Events ? 'e' : 'h';
  const std::string stamp = "DTSTAMP:" + UtcStamp();
  std::string out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
  AppendLine(out, std::string("PRODID:") + kICalendarProdId);
  out += "CALSCALE:GREGORIAN\r\n";

  // Records of the same name and date are told apart by their place.
  std::unordered_map<std::string, unsigned> seen;
  std::string when, line;
  for (const DateRecord& record : list) {
    DayTime at;
    if (!record.active || !ToDayTime(record.date, counters, at)) continue;
    when.clear();
    AppendICalTime(when, at, counters);
    const unsigned place = seen[when + '|' + record.name]++;
    out += "BEGIN:VEVENT\r\n";
    AppendLine(out, MakeUid(kindLetter, when, record.name, place));
    out += stamp;
    out += "\r\n";
    line = "SUMMARY:";
    AppendEscapedICalText(line, AnsiToUtf8(record.name));
    AppendLine(out, line);
    if (counters) {
      AppendLine(out, "DTSTART:" + when);
    } else {
      AppendLine(out, "DTSTART;VALUE=DATE:" + when);
      if (at.day < LastICalDay()) {
        line = "DTEND;VALUE=DATE:";
        AppendICalTime(line, DayTime{at.day + 1, 0}, false);
        AppendLine(out, line);
      }
      // RFC 7529's SKIP=BACKWARD, so that other programs too take
      // 28 February in common years.
      if (record.yearly) {
        out += when.compare(4, 4, "0229") == 0 ? "RRULE:RSCALE=GREGORIAN;FREQ=YEARLY;SKIP=BACKWARD\r\n"
                                               : "RRULE:FREQ=YEARLY\r\n";
      }
    }
    out += "END:VEVENT\r\n";
  }
  out += "END:VCALENDAR\r\n";
  return out;
}
