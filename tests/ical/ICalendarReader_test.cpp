#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "ical/ICalendarFormat.h"
#include "ical/ICalendarText.h"
#include "support/ICalendarTestText.h"

namespace {

using Lines = std::vector<std::string>;

struct EventCase {
  const char* what;
  std::vector<std::string> events;
  Lines expected;
  DateListKind kind = DateListKind::Holidays;
};

void ExpectCases(const std::vector<EventCase>& cases) {
  FixedClock clock;
  for (const EventCase& c : cases) {
    const bool counters = c.kind == DateListKind::Counters;
    EXPECT_EQ(RecordLines(ParseICalendarText(Calendar(c.events), c.kind), counters), c.expected)
        << c.what;
  }
}

}  // namespace

TEST(ICalendarText, Detection) {
  const struct {
    std::string text;
    bool iCalendar;
  } cases[] = {
      {"BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n", true},
      {"begin:vcalendar\n", true},
      {"\xEF\xBB\xBF\r\n\r\n  \nBEGIN:VCALENDAR", true},
      {"!Version: 1.0\r\nBEGIN:VCALENDAR|2004/12/25\r\n", false},
      {"Christmas|2004/12/25\nBEGIN:VCALENDAR\n", false},
      {"BEGIN:VEVENT\n", false},
      {"BEGIN:VCAL", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsICalendarText(c.text), c.iCalendar) << c.text;
}

TEST(ParseICalendarText, LinesAndEscapes) {
  ExpectCases({
      {"folded with CR LF and a space, and with LF and a tab",
       {"SUMMARY:New \r\n Ye\n\tar\nDTSTART;VALUE=DATE:20250101"}, {"New Year|2025-01-01"}},
      {"escapes; a line break becomes a space",
       {"SUMMARY:a\\\\b\\;c\\,d\\ne\\Nf\nDTSTART;VALUE=DATE:20250101"}, {"a\\b;c,d e f|2025-01-01"}},
      {"quoted parameter holding a colon, names in lower case",
       {"summary;LANGUAGE=en:X\ndtstart;TZID=\"Europe/Berlin:x;y\";VALUE=DATE:20250102"},
       {"X|2025-01-02"}},
      {"a line without a colon is skipped", {"SUMMARY:Y\nnonsense\nDTSTART:20250103T101010"},
       {"Y|2025-01-03"}},
      {"the properties of an alarm are not the event's",
       {"SUMMARY:Z\nDTSTART;VALUE=DATE:20250104\nBEGIN:VALARM\nSUMMARY:alarm\n"
        "DTSTART:20000101T000000\nEND:VALARM"},
       {"Z|2025-01-04"}},
  });
}

TEST(ParseICalendarText, EventDays) {
  using K = DateListKind;
  ExpectCases({
      {"all-day, one day", {"SUMMARY:A\nDTSTART;VALUE=DATE:20241225\nDTEND;VALUE=DATE:20241226"},
       {"A|2024-12-25"}},
      {"DTEND is the day after the last",
       {"SUMMARY:B\nDTSTART;VALUE=DATE:20241230\nDTEND;VALUE=DATE:20250102"},
       {"B|2024-12-30", "B|2024-12-31", "B|2025-01-01"}},
      {"no DTEND: one day", {"SUMMARY:C\nDTSTART;VALUE=DATE:20240229"}, {"C|2024-02-29"}},
      {"DTEND not after DTSTART: one day",
       {"SUMMARY:D\nDTSTART;VALUE=DATE:20240301\nDTEND;VALUE=DATE:20240301"}, {"D|2024-03-01"}},
      {"DURATION", {"SUMMARY:E\nDTSTART;VALUE=DATE:20240301\nDURATION:P2D"},
       {"E|2024-03-01", "E|2024-03-02"}},
      {"a time of day gives its date only",
       {"SUMMARY:F\nDTSTART;TZID=Asia/Tokyo:20240301T230000\nDTEND:20240303T010000"},
       {"F|2024-03-01"}},
      {"counter at its start, floating and TZID as written",
       {"SUMMARY:G\nDTSTART;TZID=Asia/Tokyo:20240301T230000\nDTEND:20240303T010000"},
       {"G|2024-03-01 23:00:00"}, K::Counters},
      {"all-day counter at 00:00 of its first day",
       {"SUMMARY:H\nDTSTART;VALUE=DATE:20240301\nDTEND;VALUE=DATE:20240303"},
       {"H|2024-03-01 00:00:00"}, K::Counters},
      {"cancelled, and without a start: nothing",
       {"SUMMARY:I\nSTATUS:CANCELLED\nDTSTART;VALUE=DATE:20240301", "SUMMARY:J"}, {}},
      {"sorted by date, file order within a date",
       {"SUMMARY:L\nDTSTART;VALUE=DATE:20240302", "SUMMARY:M\nDTSTART;VALUE=DATE:20240301",
        "SUMMARY:K\nDTSTART;VALUE=DATE:20240302"},
       {"M|2024-03-01", "L|2024-03-02", "K|2024-03-02"}},
  });
}

TEST(ParseICalendarText, UtcTimesAreMadeLocal) {
  FixedClock clock;
  const std::string text = Calendar({"SUMMARY:Z\nDTSTART:20240630T223000Z"});
  EXPECT_EQ(ParseICalendarText(text, DateListKind::Counters).front().date, LocalTimeAt(1719786600));
#ifndef _WIN32
  // The platform half itself, in a zone with summer time; a UTC series
  // keeps its UTC time across the change.
  const char* saved = std::getenv("TZ");
  const std::string old = saved ? saved : "";
  setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  tzset();
  EXPECT_EQ(RecordLines(ParseICalendarText(text, DateListKind::Holidays)), Lines{"Z|2024-07-01"});
  const std::string series = Calendar(
      {"SUMMARY:S\nDTSTART:20240301T120000Z\nRRULE:FREQ=MONTHLY;UNTIL=20240401T120000Z"});
  EXPECT_EQ(RecordLines(ParseICalendarText(series, DateListKind::Counters), true),
            (Lines{"S|2024-03-01 13:00:00", "S|2024-04-01 14:00:00"}));
  saved ? setenv("TZ", old.c_str(), 1) : unsetenv("TZ");
  tzset();
#endif
}

TEST(ICalendarFeed, AFeedNamesItsPeriodBeforeItsEvents) {
  const struct {
    const char* properties;
    long long seconds;
  } cases[] = {
      {"REFRESH-INTERVAL;VALUE=DURATION:PT12H\r\n", 12 * 3600},
      {"X-PUBLISHED-TTL:P1D\r\n", 24 * 3600},
      {"x-published-ttl:PT30M\r\n", 1800},
      {"X-PUBLISHED-TTL:soon\r\n", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    const std::string text = std::string("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n") + c.properties +
                             "BEGIN:VEVENT\r\nX-PUBLISHED-TTL:PT5H\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(c.seconds, kICalendarFormat.refreshSeconds(text)) << c.properties;
  }
}
