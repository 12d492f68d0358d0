#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ical/ICalendarText.h"
#include "lists/PlatformText.h"
#include "support/ICalendarTestText.h"

namespace {

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, end - pos));
    pos = end == std::string::npos ? text.size() : end + 2;
  }
  return lines;
}

std::vector<std::string> Uids(const std::string& text) {
  std::vector<std::string> uids;
  for (const std::string& line : Split(text)) {
    if (line.compare(0, 4, "UID:") == 0) uids.push_back(line);
  }
  return uids;
}

DateRecord Record(const std::string& name, int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  return DateRecord{name, COleDateTime(y, m, d, h, mi, s), true};
}

}  // namespace

TEST(FormatICalendarText, OneHoliday) {
  FixedClock clock;
  const std::string text = FormatICalendarText({Record("Christmas", 2004, 12, 25)}, DateListKind::Holidays);
  const std::vector<std::string> expected = {
      "BEGIN:VCALENDAR", "VERSION:2.0", std::string("PRODID:") + kICalendarProdId,
      "CALSCALE:GREGORIAN", "BEGIN:VEVENT", "UID:h-20041225-68d3ab4c9e2afbdb-0@tempovista",
      "DTSTAMP:20260615T120000Z", "SUMMARY:Christmas", "DTSTART;VALUE=DATE:20041225",
      "DTEND;VALUE=DATE:20041226", "END:VEVENT", "END:VCALENDAR"};
  EXPECT_EQ(Split(text), expected);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(FormatICalendarText, RoundTrip) {
  FixedClock clock;
  const std::string longName(200, 'x');
  const struct {
    DateListKind kind;
    DateRecordList list;
  } cases[] = {
      {DateListKind::Holidays,
       {Record("New Year", 2025, 1, 1), Record("a;b,c\\d", 100, 1, 1), Record("Same", 2025, 1, 1),
        Record("Same", 2025, 1, 1), Record("", 9999, 12, 31), Record(longName, 2024, 2, 29)}},
      {DateListKind::Events, {Record("Birthday", 1899, 12, 29), Record("Party", 2030, 6, 1)}},
      {DateListKind::Counters,
       {Record("Launch", 2027, 3, 4, 5, 6, 7), Record("Launch", 2027, 3, 4, 5, 6, 7),
        Record("Midnight", 1899, 12, 29, 6, 0, 0), Record("End", 2027, 3, 4, 23, 59, 59)}},
  };
  // Yearly records mixed in: 29 February, and one before 1899-12-30.
  for (const auto& c : cases) {
    DateRecordList list = c.list;
    if (c.kind != DateListKind::Counters) {
      for (DateRecord& r : list) r.yearly = r.name.size() > 4 && r.name != "Party";
    }
    DateRecordList sorted = list;
    SortByDate(sorted);
    const bool counters = c.kind == DateListKind::Counters;
    const std::string text = FormatICalendarText(list, c.kind);
    EXPECT_TRUE(IsICalendarText(text));
    EXPECT_TRUE(ICalendarMadeByUs(text));
    const DateRecordList back = ParseICalendarText(text, c.kind);
    EXPECT_EQ(RecordLines(back, counters), RecordLines(sorted, counters));
    EXPECT_TRUE(std::equal(back.begin(), back.end(), sorted.begin(), sorted.end(),
                           [](const DateRecord& a, const DateRecord& b) { return a.yearly == b.yearly; }));
    // UIDs tell duplicates apart and stay from one save to the next.
    std::vector<std::string> uids = Uids(text);
    std::sort(uids.begin(), uids.end());
    EXPECT_EQ(std::unique(uids.begin(), uids.end()), uids.end());
    SetClockSource([]() -> int64_t { return 0; });
    const std::string later = FormatICalendarText(c.list, c.kind);
    SetClockSource([]() -> int64_t { return FixedClock::kSeconds * 1000; });
    EXPECT_NE(later, text);
    EXPECT_EQ(Uids(later), Uids(text));
  }
}

TEST(FormatICalendarText, SkipsWhatItCannotWrite) {
  DateRecordList list = {Record("Gone", 2025, 1, 1), {"Bad", COleDateTime(0.0, COleDateTime::invalid), true}};
  list.front().active = false;
  EXPECT_EQ(Uids(FormatICalendarText(list, DateListKind::Events)).size(), 0u);
}

TEST(FormatICalendarText, FoldsAt75OctetsBetweenCharacters) {
  std::string accents;  // "é", two octets
  for (int i = 0; i < 100; ++i) accents += "\xC3\xA9";
  const std::string name = std::string(70, 'a') + accents + "\r\nz";
  const std::string text = FormatICalendarText({Record(name, 2025, 1, 1)}, DateListKind::Events);
  size_t folded = 0;
  for (const std::string& line : Split(text)) {
    EXPECT_LE(line.size(), 75u) << line;
    if (!line.empty() && line[0] == ' ') {
      ++folded;
      ASSERT_GT(line.size(), 1u);
      EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << "split inside a character";
    }
  }
  EXPECT_GE(folded, 3u);
  const DateRecordList back = ParseICalendarText(text, DateListKind::Events);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back.front().name, std::string(70, 'a') + accents + " z");
}

TEST(ICalendarText, MadeByUs) {
  const struct {
    std::string text;
    bool ours;
  } cases[] = {
      {"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//QRV//Tempovista 3.4.0.0//EN\r\n", true},
      {"BEGIN:VCALENDAR\r\nPRODID:-//QRV//Tempovis\r\n ta 3.3.2.0//EN\r\n", true},
      {"BEGIN:VCALENDAR\r\nPRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN\r\n", false},
      {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nPRODID:-//QRV//Tempovista 3.3.2.0//EN\r\n", false},
      {"!Version: 1.0\r\nPRODID:-//QRV//Tempovista 3.3.2.0//EN|2004/12/25\r\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ICalendarMadeByUs(c.text), c.ours) << c.text;
}

// The program's code page is UTF-8 (natively, and through the manifest under
// Wine): every character comes through, a broken byte reads as U+FFFD.
TEST(PlatformText, Utf8AndAnsi) {
  const std::string every = "\xE2\x82\xAC \xC3\xA9 \xCE\xB1 \xD7\x90 \xE6\x97\xA5 \xF0\x9F\x98\x80";
  EXPECT_EQ(Utf8ToAnsi(every), every);
  EXPECT_EQ(AnsiToUtf8(every), every);
  EXPECT_EQ(Utf8ToAnsi("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
}
