#include "ical/ICalendarFormat.h"

#include <string_view>

#include "ical/ContentLineReader.h"
#include "ical/ICalendarText.h"
#include "ical/ICalendarValues.h"

namespace {
bool NamesCalendarFile(const std::string& location) {
  const size_t n = location.size();
  return n >= 4 && EqualsNoCase(std::string_view(location).substr(n - 4), ".ICS");
}

// A published calendar's own refresh period: REFRESH-INTERVAL (RFC 7986)
// or the older X-PUBLISHED-TTL, both calendar properties before any event.
long long FeedRefreshSeconds(const std::string& text) {
  ContentLineReader reader(text);
  ContentLine line;
  while (reader.Next(line)) {
    if (line.Is("BEGIN") && EqualsNoCase(line.value, "VEVENT")) break;
    long long seconds = 0;
    if ((line.Is("REFRESH-INTERVAL") || line.Is("X-PUBLISHED-TTL")) && ParseICalDuration(line.value, seconds) &&
        seconds > 0)
      return seconds;
  }
  return 0;
}

DateRecordList ParseCalendar(const std::string& text, DateListKind kind) { return ParseICalendarText(text, kind); }
}  // namespace

const ListTextFormat kICalendarFormat = {IsICalendarText, NamesCalendarFile, ParseCalendar, FormatICalendarText,
                                         ICalendarMadeByUs, FeedRefreshSeconds};
