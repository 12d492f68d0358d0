#include "ical/ICalendarFormat.h"

#include <string_view>

#include "ical/ContentLineReader.h"
#include "ical/ICalendarText.h"

namespace {
bool NamesCalendarFile(const std::string& location) {
  const size_t n = location.size();
  return n >= 4 && EqualsNoCase(std::string_view(location).substr(n - 4), ".ICS");
}

DateRecordList ParseCalendar(const std::string& text, DateListKind kind) { return ParseICalendarText(text, kind); }
}  // namespace

const ListTextFormat kICalendarFormat = {IsICalendarText, NamesCalendarFile, ParseCalendar, FormatICalendarText,
                                         ICalendarMadeByUs};
