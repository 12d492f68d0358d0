#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ical/ICalendarText.h"
#include "support/ICalendarTestText.h"

namespace {

using Lines = std::vector<std::string>;

// The dates of one event "R" starting on `start` (a DATE) with more lines.
Lines Dates(const std::string& start, const std::string& more) {
  FixedClock clock;
  const DateRecordList records = ParseICalendarText(
      Calendar({"SUMMARY:R\nDTSTART;VALUE=DATE:" + start + "\n" + more}), DateListKind::Holidays);
  Lines dates;
  for (const std::string& line : RecordLines(records)) dates.push_back(line.substr(2));
  return dates;
}

}  // namespace

TEST(ICalendarRecurrence, RuleParts) {
  const struct {
    const char* start;
    const char* more;
    Lines dates;
  } cases[] = {
      // 29 February comes back in leap years only.
      {"20240229", "RRULE:FREQ=YEARLY;COUNT=3", {"2024-02-29", "2028-02-29", "2032-02-29"}},
      {"20241128", "RRULE:FREQ=YEARLY;BYDAY=4TH;BYMONTH=11;COUNT=3",
       {"2024-11-28", "2025-11-27", "2026-11-26"}},
      {"20240331", "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3;COUNT=3",
       {"2024-03-31", "2025-03-30", "2026-03-29"}},
      // Without BYMONTH an ordinal counts within the year: the 20th Monday.
      {"20240513", "RRULE:FREQ=YEARLY;BYDAY=20MO;COUNT=2", {"2024-05-13", "2025-05-19"}},
      {"20240131", "RRULE:FREQ=MONTHLY;BYMONTHDAY=-1;COUNT=4",
       {"2024-01-31", "2024-02-29", "2024-03-31", "2024-04-30"}},
      // A 31st only in months that have one.
      {"20240131", "RRULE:FREQ=MONTHLY;COUNT=3", {"2024-01-31", "2024-03-31", "2024-05-31"}},
      {"20240101", "RRULE:FREQ=MONTHLY;INTERVAL=2;BYDAY=1MO;COUNT=3",
       {"2024-01-01", "2024-03-04", "2024-05-06"}},
      {"20240913", "RRULE:FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13;COUNT=3",
       {"2024-09-13", "2024-12-13", "2025-06-13"}},
      {"20240131", "RRULE:FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1;COUNT=3",
       {"2024-01-31", "2024-02-29", "2024-03-29"}},
      {"20240102", "RRULE:FREQ=WEEKLY;BYDAY=TU,TH;UNTIL=20240111",
       {"2024-01-02", "2024-01-04", "2024-01-09", "2024-01-11"}},
      {"20240102", "RRULE:FREQ=WEEKLY;INTERVAL=2;COUNT=3", {"2024-01-02", "2024-01-16", "2024-01-30"}},
      // BYMONTHDAY without BYDAY: no weekday of the start's.
      {"20240105", "RRULE:FREQ=WEEKLY;BYMONTHDAY=5;COUNT=3", {"2024-01-05", "2024-02-05", "2024-03-05"}},
      {"20240130", "RRULE:FREQ=DAILY;INTERVAL=3;COUNT=3", {"2024-01-30", "2024-02-02", "2024-02-05"}},
      {"20240227", "RRULE:FREQ=DAILY;BYMONTH=3;COUNT=2", {"2024-02-27", "2024-03-01"}},
      // COUNT against UNTIL: UNTIL includes its own day, COUNT includes the start.
      {"20240101", "RRULE:FREQ=YEARLY;UNTIL=20260101", {"2024-01-01", "2025-01-01", "2026-01-01"}},
      {"20240101", "RRULE:FREQ=YEARLY;COUNT=2", {"2024-01-01", "2025-01-01"}},
      {"20240101", "RRULE:FREQ=YEARLY;UNTIL=20251231T120000Z", {"2024-01-01", "2025-01-01"}},
      // EXDATE takes out an occurrence that still counted; RDATE adds one.
      {"20240101", "RRULE:FREQ=DAILY;COUNT=4\nEXDATE;VALUE=DATE:20240102,20240103",
       {"2024-01-01", "2024-01-04"}},
      {"20240101", "RRULE:FREQ=DAILY;COUNT=2\nRDATE;VALUE=DATE:20240110,20240102",
       {"2024-01-01", "2024-01-02", "2024-01-10"}},
      // A multi-day event repeats with all its days.
      {"20241231", "DTEND;VALUE=DATE:20250102\nRRULE:FREQ=YEARLY;COUNT=2",
       {"2024-12-31", "2025-01-01", "2025-12-31", "2026-01-01"}},
      // Parts that are not expanded leave the event once; so does nonsense.
      {"20240101", "RRULE:FREQ=YEARLY;BYWEEKNO=20;COUNT=3", {"2024-01-01"}},
      {"20240101", "RRULE:FREQ=HOURLY;COUNT=3", {"2024-01-01"}},
      {"20240101", "RRULE:FREQ=YEARLY;BYMONTH=13", {"2024-01-01"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Dates(c.start, c.more), c.dates) << c.more;
}

TEST(ICalendarRecurrence, CountersRepeatAtTheirTime) {
  FixedClock clock;
  const std::string text =
      Calendar({"SUMMARY:C\nDTSTART:20240105T090000\nRRULE:FREQ=WEEKLY;COUNT=2\n"
                "EXDATE:20240105T100000"});
  EXPECT_EQ(RecordLines(ParseICalendarText(text, DateListKind::Counters), true),
            (Lines{"C|2024-01-05 09:00:00", "C|2024-01-12 09:00:00"}));
}

TEST(ICalendarRecurrence, RecurrenceIdReplacesItsOccurrence) {
  FixedClock clock;
  const std::string text = Calendar({
      "UID:u1\nSUMMARY:Day\nDTSTART;VALUE=DATE:20240704\nRRULE:FREQ=YEARLY;COUNT=4",
      "UID:u1\nRECURRENCE-ID;VALUE=DATE:20250704\nSUMMARY:Moved\nDTSTART;VALUE=DATE:20250705",
      "UID:u1\nRECURRENCE-ID;VALUE=DATE:20260704\nSTATUS:CANCELLED\nDTSTART;VALUE=DATE:20260704",
      "UID:u2\nRECURRENCE-ID;VALUE=DATE:20270704\nSUMMARY:Other\nDTSTART;VALUE=DATE:20270704",
  });
  EXPECT_EQ(RecordLines(ParseICalendarText(text, DateListKind::Holidays)),
            (Lines{"Day|2024-07-04", "Moved|2025-07-05", "Day|2027-07-04", "Other|2027-07-04"}));
}

// Only a rule that repeats its own day every year, and nothing more, makes
// yearly records (one per day of the event); the rest expand.
TEST(ICalendarRecurrence, PlainYearlyRulesGiveYearlyRecords) {
  FixedClock clock;
  const struct { const char* start; const char* more; DateListKind kind; size_t records; bool yearly; } cases[] = {
      {"20201225", "RRULE:FREQ=YEARLY", DateListKind::Holidays, 1, true},
      {"20201225", "RRULE:FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=25;WKST=SU", DateListKind::Events, 1, true},
      {"20201224", "DTEND;VALUE=DATE:20201227\nRRULE:FREQ=YEARLY", DateListKind::Events, 3, true},
      {"20200229", "RRULE:RSCALE=GREGORIAN;FREQ=YEARLY;SKIP=BACKWARD", DateListKind::Events, 1, true},
      {"20200229", "RRULE:FREQ=YEARLY", DateListKind::Events, 10, false},  // leap years only
      {"20201225", "RRULE:FREQ=YEARLY;COUNT=3", DateListKind::Events, 3, false},
      {"20201225", "RRULE:FREQ=YEARLY;INTERVAL=2", DateListKind::Events, 19, false},
      {"20201225", "RRULE:FREQ=YEARLY;BYMONTH=1", DateListKind::Events, 37, false},
      {"20201225", "RRULE:FREQ=YEARLY\nEXDATE;VALUE=DATE:20211225", DateListKind::Events, 36, false},
      {"20201225", "RRULE:FREQ=YEARLY", DateListKind::Counters, 37, false},
  };
  for (const auto& c : cases) {
    const DateRecordList records = ParseICalendarText(
        Calendar({std::string("SUMMARY:X\nDTSTART;VALUE=DATE:") + c.start + "\n" + c.more}), c.kind);
    EXPECT_EQ(records.size(), c.records) << c.more;
    for (const DateRecord& r : records) EXPECT_EQ(r.yearly, c.yearly) << c.more;
  }
}

TEST(ICalendarRecurrence, OpenRuleRunsThirtyYearsAhead) {
  FixedClock clock;  // 2026
  const DateRecordList records = ParseICalendarText(
      Calendar({"SUMMARY:X\nDTSTART;VALUE=DATE:20201225\nRRULE:FREQ=YEARLY"}), DateListKind::Counters);
  ASSERT_EQ(records.size(), 37u);
  EXPECT_EQ(RecordLines(records).back(), "X|2056-12-25");
}
