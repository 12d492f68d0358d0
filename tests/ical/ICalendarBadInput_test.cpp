// Hostile iCalendar text: no crash, quiet sanitizers, and the bounds hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ical/ICalendarText.h"
#include "support/ICalendarTestText.h"

namespace {

std::string Repeat(const std::string& piece, size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

const std::string kStart = "SUMMARY:X\nDTSTART;VALUE=DATE:20240101\n";

struct BoundCase {
  const char* what;
  std::string text;
  size_t records;
  bool cutShort;
};

void ExpectBounds(const std::vector<BoundCase>& cases) {
  FixedClock clock;
  for (const BoundCase& c : cases) {
    bool cutShort = !c.cutShort;
    EXPECT_EQ(ParseICalendarText(c.text, DateListKind::Holidays, &cutShort).size(), c.records)
        << c.what;
    EXPECT_EQ(cutShort, c.cutShort) << c.what;
  }
}

}  // namespace

TEST(ParseICalendarTextBadInput, MillionRecordCap) {
  ExpectBounds({
      {"a billion occurrences", Calendar({kStart + "RRULE:FREQ=DAILY;COUNT=1000000000"}),
       kMaxICalendarRecords, true},
      {"an event of eight thousand years", Calendar({kStart + "DTEND;VALUE=DATE:99991231"}),
       kMaxICalendarRecords, true},
  });
}

TEST(ParseICalendarTextBadInput, Bounds) {
  ExpectBounds({
      {"no END lines", "BEGIN:VCALENDAR\nBEGIN:VEVENT\n" + kStart, 1, false},
      {"a 4 MB name", Calendar({"SUMMARY:" + std::string(4 << 20, 'n') + "\nDTSTART:20240101T000000"}),
       1, false},
      {"a 4 MB name in folded lines",
       Calendar({"SUMMARY:" + Repeat("ab\r\n ", 1 << 20) + "\nDTSTART:20240101T000000"}), 1, false},
      {"a 4 MB rule", Calendar({kStart + "RRULE:FREQ=YEARLY;COUNT=2;BYMONTHDAY=" + Repeat("1,", 2 << 20) + "1"}),
       2, false},
      {"a 4 MB EXDATE", Calendar({kStart + "RRULE:FREQ=DAILY;COUNT=3\nEXDATE;VALUE=DATE:" +
                                  Repeat("20240102,", 460000) + "20240102"}),
       2, false},
      {"two hundred daily rules", Calendar({kStart + Repeat("RRULE:FREQ=DAILY\n", 200)}),
       12054, false},
      {"31 February", Calendar({kStart + "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=31"}), 1, false},
      {"29 February as its first Monday, to year 9999",
       Calendar({kStart + "RRULE:FREQ=MONTHLY;BYMONTH=2;BYMONTHDAY=29;BYDAY=1MO;UNTIL=99991231"}), 1,
       true},
      {"a huge interval", Calendar({kStart + "RRULE:FREQ=WEEKLY;INTERVAL=4000000000;COUNT=5"}), 1,
       false},
      {"events inside events",
       "BEGIN:VCALENDAR\n" + Repeat("BEGIN:VEVENT\n" + kStart, 20) + Repeat("END:VEVENT\n", 20), 8,
       false},
      {"one UID for thousands of series and replacements",
       Calendar({Repeat("UID:a\n" + kStart + "RRULE:FREQ=YEARLY;COUNT=2\nEND:VEVENT\nBEGIN:VEVENT\n"
                        "UID:a\nRECURRENCE-ID;VALUE=DATE:20250101\nDTSTART;VALUE=DATE:20250102\n"
                        "END:VEVENT\nBEGIN:VEVENT\n", 3000) + kStart}),
       6001, false},
      // Rules that never match: the budget for the whole text ends the work.
      {"thousands of barren rules",
       Calendar(std::vector<std::string>(
           5000, kStart + "RRULE:FREQ=MONTHLY;BYMONTHDAY=29;BYMONTH=2;BYDAY=1MO;COUNT=9")),
       5000, true},
      {"deep unknown blocks and stray ENDs",
       Repeat("BEGIN:X\n", 100000) + "BEGIN:VEVENT\n" + kStart + Repeat("END:VALARM\nEND:VCALENDAR\n", 1000) +
           "END:VEVENT\n" + Repeat("END:VEVENT\n", 100000),
       1, false},
  });
}
