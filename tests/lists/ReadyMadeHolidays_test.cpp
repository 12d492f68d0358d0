// The ready-made holiday lists that the build writes from the date-holidays
// data (tools/holidays): every list reads back whole, and a few days that
// are known.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lists/DateListText.h"
#include "lists/ReadyMadeIndex.h"
#include "support/TestPaths.h"

namespace {

const std::string kDir = TestEnvPath("TV_HOLIDAYS_DIR");
constexpr int kFirstYear = TV_HOLIDAY_FIRST_YEAR;
constexpr int kLastYear = TV_HOLIDAY_LAST_YEAR;

// The file's text as loading has it, without CRs.
std::string ReadText(const std::string& file) {
  std::ifstream in(kDir + "/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::string s = text.str();
  RemoveCarriageReturns(s);
  return s;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// The lines that are neither blank nor comments.
std::vector<std::string> DataLines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string& line : Split(text, '\n')) {
    if (!line.empty() && line[0] != '!') lines.push_back(line);
  }
  return lines;
}

const DateRecordList& List(const std::string& file) {
  static std::map<std::string, DateRecordList> loaded;
  auto it = loaded.find(file);
  if (it == loaded.end()) it = loaded.emplace(file, ParseDateListText(ReadText(file))).first;
  return it->second;
}

}  // namespace

TEST(ReadyMadeHolidays, EveryListOfTheIndexReadsBackWhole) {
  std::set<std::string> listed;
  const std::vector<ReadyMadeList> lists = ParseReadyMadeIndex(ReadText("index.txt"));
  for (const ReadyMadeList& list : lists) {
    EXPECT_EQ(list.firstYear, kFirstYear) << list.file;
    EXPECT_EQ(list.lastYear, kLastYear) << list.file;
    for (bool inLanguage : {false, true}) {
      const std::string file = ReadyMadeFile(list, inLanguage);
      listed.insert(file);
      const std::string text = ReadText(file);
      // The header, then the credit the data's licence asks for.
      EXPECT_EQ(text.rfind("!Version: 1.0\n! Source: date-holidays ", 0), 0u) << file;
      EXPECT_NE(text.find("licence CC BY-SA 3.0"), std::string::npos) << file;
      const size_t lines = DataLines(text).size();
      const DateRecordList& records = List(file);
      EXPECT_GT(lines, 0u) << file;
      // A line that did not read as one record of its own would show as a
      // missing record or an invalid date.
      EXPECT_EQ(records.size(), lines) << file;
      for (const DateRecord& r : records) {
        EXPECT_TRUE(r.date.IsValid()) << file << ": " << r.name;
        EXPECT_GE(r.date.GetYear(), kFirstYear) << file << ": " << r.name;
        EXPECT_LE(r.date.GetYear(), kLastYear) << file << ": " << r.name;
      }
    }
  }
  size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(kDir)) {
    if (e.path().extension() == ".tvh") {
      ++files;
      EXPECT_EQ(listed.count(e.path().filename().string()), 1u) << e.path();
    }
  }
  EXPECT_EQ(files, listed.size());
  // The program's reader takes every entry the script wrote, the language
  // field included.
  EXPECT_EQ(lists.size(), DataLines(ReadText("index.txt")).size());
  EXPECT_GE(lists.size(), 200u);
}

// Weekends from CLDR (Friday and Saturday, Friday alone); a region has its
// country's week.
TEST(ReadyMadeHolidays, WorkWeeks) {
  std::map<std::string, uint32_t> weeks;
  for (const ReadyMadeList& list : ParseReadyMadeIndex(ReadText("index.txt"))) weeks[list.file] = list.week.Bits();
  EXPECT_EQ(weeks["Saudi Arabia.tvh"], 0x4Fu);
  EXPECT_EQ(weeks["Iran.tvh"], 0x6Fu);
  EXPECT_EQ(weeks["Germany - Bayern.tvh"], 0x1Fu);
}

TEST(ReadyMadeHolidays, KnownDays) {
  struct Case {
    const char* file;
    const char* name;
    int year, month, day;
    bool listed;  // false: nothing at all on that day
  };
  const char* kUS = "United States of America.tvh";
  const Case cases[] = {
      {kUS, "Thanksgiving Day", 2027, 11, 25, true},
      {kUS, "Juneteenth (substitute day)", 2027, 6, 18, true},
      {kUS, "Independence Day (substitute day)", 2027, 7, 5, true},
      {kUS, "Day after Thanksgiving Day", 2027, 11, 26, false},  // observance
      {"Germany.tvh", "National Holiday", 2027, 10, 3, true},
      {"Germany.tvh", "Christmas Eve", 2027, 12, 24, false},  // bank
      {"Germany.tvh", "Epiphany", 2027, 1, 6, false},          // some states only
      {"Germany - Bayern.tvh", "Epiphany", 2027, 1, 6, true},
      {"Japan.tvh", "Coming of Age Day", 2027, 1, 11, true},
      {"Japan.tvh", "January 2nd", 2027, 1, 2, false},  // bank
      // No English name: French rather than Arabic, which Windows-1252 holds.
      {"Tunisia.tvh", "Fête de la République", 2027, 7, 25, true},
      // In the country's language.
      {"Greece.el.tvh", "Καθαρά Δευτέρα", 2027, 3, 15, true},
      {"Japan.ja.tvh", "成人の日", 2027, 1, 11, true},
      {"Japan.ja.tvh", "春分の日 (振替休日)", 2027, 3, 22, true},
  };
  for (const Case& c : cases) {
    const COleDateTime day(c.year, c.month, c.day, 0, 0, 0);
    bool named = false, any = false;
    for (const DateRecord& r : List(c.file)) {
      if (r.date != day) continue;
      any = true;
      named = named || r.name == c.name;
    }
    EXPECT_EQ(c.listed ? named : any, c.listed) << c.file << ": " << c.name;
  }
}

TEST(ReadyMadeHolidays, JapansComingOfAgeDayIsTheSecondMondayOfJanuary) {
  int years = 0;
  for (const DateRecord& r : List("Japan.tvh")) {
    if (r.name != "Coming of Age Day") continue;
    ++years;
    EXPECT_EQ(r.date.GetMonth(), 1) << r.date.GetYear();
    EXPECT_EQ(r.date.GetDayOfWeek(), 2) << r.date.GetYear();
    EXPECT_GE(r.date.GetDay(), 8) << r.date.GetYear();
    EXPECT_LE(r.date.GetDay(), 14) << r.date.GetYear();
  }
  EXPECT_EQ(years, kLastYear - kFirstYear + 1);
}
