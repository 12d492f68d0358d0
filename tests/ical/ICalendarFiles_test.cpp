// Published holiday calendars, read where they lie (never copied in).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/CivilDays.h"
#include "ical/ICalendarText.h"
#include "lists/Occurrences.h"
#include "support/ICalendarTestText.h"
#include "support/TestPaths.h"

namespace {

std::string ReadCalendar(const std::string& name) {
  std::ifstream in(TestEnvPath("TV_ICS_DIR") + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(ICalendarFiles, LoadWithHandCheckedDates) {
  // Each line must be among the file's records: "name|yyyy-mm-dd", the name
  // whole in the program's code page, UTF-8.
  const struct {
    const char* file;
    size_t minRecords;
    std::vector<std::string> expected;
  } cases[] = {
      {"USHolidays.ics", 600,
       {"Thanksgiving Day|2026-11-26", "Thanksgiving Day|2030-11-28",
        "Independence Day|2040-07-04"}},
      {"GermanHolidays.ics", 290, {"Tag der Deutschen Einheit|2031-10-03"}},
      {"JapanHolidays.ics", 250,
       {"\xE6\x88\x90\xE4\xBA\xBA\xE3\x81\xAE\xE6\x97\xA5 / Seijin no hi / Coming-of-age Day|2027-01-11",
        "\xE6\x88\x90\xE4\xBA\xBA\xE3\x81\xAE\xE6\x97\xA5 / Seijin no hi / Coming-of-age Day|2035-01-08"}},
      {"UkraineHolidays.ics", 1000, {}},
      {"FinlandHolidays.ics", 200, {}},
      {"SpanishHolidays.ics", 250, {}},
      {"AustraliaHolidays.ics", 30, {}},
      {"JewishHolidaysHebrew.ics", 100, {}},
  };
  FixedClock clock;
  for (const auto& c : cases) {
    const std::string text = ReadCalendar(c.file);
    if (text.empty()) GTEST_SKIP() << "no calendars at '" << TestEnvPath("TV_ICS_DIR") << "' (TV_ICS_DIR)";
    ASSERT_TRUE(IsICalendarText(text)) << c.file;
    EXPECT_FALSE(ICalendarMadeByUs(text)) << c.file;
    bool cutShort = true;
    const DateRecordList records = ParseICalendarText(text, DateListKind::Holidays, &cutShort);
    EXPECT_FALSE(cutShort) << c.file;
    EXPECT_GE(records.size(), c.minRecords) << c.file;
    // Plain yearly events are one yearly record each: the day is one of its years.
    for (const std::string& e : c.expected) {
      const size_t bar = e.find('|');
      const long day = DaysFromCivil(std::stoi(e.substr(bar + 1, 4)), std::stoi(e.substr(bar + 6, 2)),
                                     std::stoi(e.substr(bar + 9, 2)));
      EXPECT_TRUE(std::any_of(records.begin(), records.end(), [&](const DateRecord& r) {
        return r.name == e.substr(0, bar) && OccursOn(r, day);
      })) << c.file << ": " << e;
    }
  }
}
