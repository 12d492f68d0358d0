#include "lists/DateListText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Expected {
  std::string name;
  double value;  // for an invalid date: 0.0 when unreadable
  bool valid;
};

double Serial(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0).m_dt; }
const double kXmas = Serial(2004, 12, 25);
const double kNewYear = Serial(2005, 1, 1);

void ExpectRecords(const std::string& text, const std::vector<Expected>& expected) {
  const DateRecordList records = ParseDateListText(text);
  ASSERT_EQ(records.size(), expected.size()) << text;
  auto e = expected.begin();
  for (const DateRecord& r : records) {
    EXPECT_EQ(r.name, e->name) << text;
    EXPECT_TRUE(r.active) << text;
    EXPECT_EQ(r.date.IsValid(), e->valid) << text << " / " << r.name;
    if (e->valid) {
      EXPECT_EQ(r.date.m_dt, e->value) << text << " / " << r.name;
    }
    ++e;
  }
}

}  // namespace

TEST(ParseDateListText, Grammar) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<Expected> records;
  };
  const Case cases[] = {
      {"header and one line", "!Version: 1.0\nChristmas|2004/12/25\n", {{"Christmas", kXmas, true}}},
      {"no header, no last LF", "Christmas|2004/12/25", {{"Christmas", kXmas, true}}},
      {"blank lines and comments anywhere",
       "\n\n!Version: 2.7\nChristmas|2004/12/25\n\n!note\n\nNew Year|2005/01/01\n!end",
       {{"Christmas", kXmas, true}, {"New Year", kNewYear, true}}},
      {"blanks around the name are kept", "  Christmas |2004/12/25\n",
       {{"  Christmas ", kXmas, true}}},
      {"a name without a bar takes the next line", "Christmas\n2004/12/25\nNew Year|2005/01/01\n",
       {{"Christmas", kXmas, true}, {"New Year", kNewYear, true}}},
      {"an empty date text takes the next line", "Christmas|\n2004/12/25\nNew Year|2005/01/01",
       {{"Christmas", kXmas, true}, {"New Year", kNewYear, true}}},
      {"an empty date text swallows the next record", "Christmas|\nNew Year|2005/01/01\n",
       {{"Christmas", 0, false}}},
      {"two bars: the rest is the date text", "Christmas|2004/12/25|x\n",
       {{"Christmas", 0, false}}},
      {"a name at the very end", "Christmas|2004/12/25\nEaster", {{"Christmas", kXmas, true}, {"Easter", 0, false}}},
      {"a name and a bar at the very end", "Easter|", {{"Easter", 0, false}}},
      {"leading bars are skipped", "|2004/12/25\n2005/01/01\n", {{"2004/12/25", kNewYear, true}}},
      {"lines of bars only", "|||\n||\nChristmas|2004/12/25\n", {{"Christmas", kXmas, true}}},
      {"a comment line right after a name line is its date text", "Christmas\n!x\n",
       {{"Christmas", 0, false}}},
      {"duplicates kept in text order", "B|2004/12/25\nA|2004/12/25\nB|2005/01/01\n",
       {{"B", kXmas, true}, {"A", kXmas, true}, {"B", kNewYear, true}}},
      {"a time of day on a holiday line", "Party|2004/12/25 18:30:00\n",
       {{"Party", COleDateTime(2004, 12, 25, 18, 30, 0).m_dt, true}}},
      {"the writer's invalid date", "Lost|-001/-1/-1\n", {{"Lost", 0, false}}},
      {"text ends at a NUL", std::string("A|2004/12/25\n\0B|2005/01/01\n", 27), {{"A", kXmas, true}}},
      {"only LFs", "\n\n\n", {}},
      {"empty", "", {}},
      {"only a comment without LF", "!Version: 1.0", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRecords(c.text, c.records);
  }
}

TEST(ParseDateListText, SecondBytesOfDoubleByteCharactersAreNoSeparators) {
  // Shift-JIS style: 0x81..0x9F lead; "\x83|" is one character, not a bar.
  LeadByteTable sjis;
  for (int c = 0x81; c <= 0x9F; ++c) sjis.lead[c] = sjis.any = true;
  const std::string text = "Na\x83|me|2004/12/25\n\x83\nX|2005/01/01\n";
  const DateRecordList records = ParseDateListText(text, sjis);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records.front().name, "Na\x83|me");
  EXPECT_EQ(records.front().date.m_dt, kXmas);
  // A lead byte at the end of a line takes the LF as its second byte.
  EXPECT_EQ(records.back().name, "\x83\nX");
  // Without the code page the same text splits at every bar.
  EXPECT_EQ(ParseDateListText(text, LeadByteTable()).front().name, "Na\x83");
}

TEST(FormatDateListText, LinesByteForByte) {
  DateRecordList list{
      {"Christmas", COleDateTime(2004, 12, 25, 0, 0, 0), true},
      {"deleted", COleDateTime(2004, 12, 26, 0, 0, 0), false},
      {"Old", COleDateTime(105, 3, 4, 5, 6, 7), true},
      {"Unreadable", COleDateTime(0.0, COleDateTime::invalid), true},
      {"Before", COleDateTime(-1.25), true},
  };
  EXPECT_EQ(FormatDateListText(list, DateListKind::Holidays),
            "!Version: 1.0\r\nChristmas|2004/12/25\r\nOld|0105/03/04\r\n"
            "Unreadable|-001/-1/-1\r\nBefore|1899/12/29\r\n");
  EXPECT_EQ(FormatDateListText(list, DateListKind::Events),
            FormatDateListText(list, DateListKind::Holidays));
  EXPECT_EQ(FormatDateListText(list, DateListKind::Counters),
            "!Version: 1.0\r\nChristmas|2004/12/25 00:00:00\r\nOld|0105/03/04 05:06:07\r\n"
            "Unreadable|-001/-1/-1 -1:-1:-1\r\nBefore|1899/12/29 06:00:00\r\n");
  EXPECT_EQ(FormatDateListText({}, DateListKind::Counters), "!Version: 1.0\r\n");
  EXPECT_EQ(FormatDateListText({{"gone", COleDateTime(1.0), false}}, DateListKind::Holidays),
            "!Version: 1.0\r\n");
}

TEST(FormatDateListText, NamesThatWouldSpoilTheFileAreMadeSafe) {
  const COleDateTime xmas(kXmas);
  struct Case {
    std::string name;
    const char* line;
  };
  const Case cases[] = {
      {"", " |2004/12/25\r\n"},
      {"!Party", " !Party|2004/12/25\r\n"},
      {"a|b", "a b|2004/12/25\r\n"},
      {"two\r\nlines", "two  lines|2004/12/25\r\n"},
      {std::string("nul\0x", 5), "nul x|2004/12/25\r\n"},
      {"mid!dle", "mid!dle|2004/12/25\r\n"},
  };
  for (const Case& c : cases) {
    const std::string text = FormatDateListText({{c.name, xmas, true}, {"Next", xmas, true}},
                                                DateListKind::Holidays);
    EXPECT_EQ(text, std::string("!Version: 1.0\r\n") + c.line + "Next|2004/12/25\r\n");
    // The record after it always survives.
    std::string read = text;
    RemoveCarriageReturns(read);
    const DateRecordList back = ParseDateListText(read);
    ASSERT_EQ(back.size(), 2u) << c.line;
    EXPECT_EQ(back.back().name, "Next");
  }
  // A bar inside a double-byte character is part of the name, not a bar.
  LeadByteTable sjis;
  sjis.lead[0x83] = sjis.any = true;
  EXPECT_EQ(FormatDateListText({{"\x83|", xmas, true}}, DateListKind::Holidays, sjis),
            "!Version: 1.0\r\n\x83||2004/12/25\r\n");
  // A lead byte without its second byte would take the bar after the name.
  EXPECT_EQ(FormatDateListText({{"a\x83", xmas, true}, {"b\x83\r", xmas, true}},
                               DateListKind::Holidays, sjis),
            "!Version: 1.0\r\na |2004/12/25\r\nb  |2004/12/25\r\n");
}

TEST(DateListText, RoundTrip) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31), hms(0, 59),
      hour(0, 23), len(1, 20), ch(0x20, 0xFF);
  for (DateListKind kind : kListKinds) {
    DateRecordList list;
    for (int i = 0; i < 2000; ++i) {
      std::string name;
      const int n = len(rng);
      while (static_cast<int>(name.size()) < n) {
        const char c = static_cast<char>(ch(rng));
        if (c != '|' && c != 0x7F && !(name.empty() && c == '!')) name += c;
      }
      const bool counter = kind == DateListKind::Counters;
      list.push_back({name,
                      COleDateTime(year(rng), month(rng), day(rng), counter ? hour(rng) : 0,
                                   counter ? hms(rng) : 0, counter ? hms(rng) : 0),
                      true});
      list.back().yearly = !counter && i % 3 == 0;  // one-time and yearly mixed
    }
    const std::string text = FormatDateListText(list, kind, LeadByteTable());
    std::string read = text;
    RemoveCarriageReturns(read);
    const DateRecordList back = ParseDateListText(read, LeadByteTable(), kind);
    ASSERT_EQ(back.size(), list.size());
    auto a = list.begin();
    for (const DateRecord& b : back) {
      EXPECT_EQ(b.name, a->name);
      EXPECT_EQ(b.date.m_dt, a->date.m_dt) << a->name;
      EXPECT_TRUE(b.date.IsValid());
      EXPECT_EQ(b.yearly, a->yearly) << a->name;
      ++a;
    }
    EXPECT_EQ(FormatDateListText(back, kind, LeadByteTable()), text);
  }
}

// "!Every year" makes the next record yearly; versions before it skip the
// line and read the record on its first date.
TEST(ParseDateListText, EveryYearLine) {
  const struct { const char* what; const char* text; DateListKind kind; std::vector<bool> yearly; } cases[] = {
      {"before one record of two", "!Every year\nA|2004/12/25\nB|2005/01/01\n", DateListKind::Events, {true, false}},
      {"blank lines between", "!Every year\n\n\nA|2004/12/25\n", DateListKind::Holidays, {true}},
      {"twice in a row", "!Every year\n!Every year\nA|2004/12/25\nB|2005/01/01", DateListKind::Events, {true, false}},
      {"another line between", "!Every year\n!Version: 1.0\nA|2004/12/25\n", DateListKind::Events, {false}},
      {"not exactly the line", "!Every years\nA|2004/12/25\n!every year\nB|2005/01/01", DateListKind::Events, {false, false}},
      {"before a date that does not parse", "!Every year\nA|2004/13/45\nB|2005/01/01", DateListKind::Events, {false, false}},
      {"at the end of the file", "A|2004/12/25\n!Every year\n", DateListKind::Events, {false}},
      {"in a countdown file", "!Every year\nA|2004/12/25 10:00:00\n", DateListKind::Counters, {false}},
  };
  for (const auto& c : cases) {
    std::vector<bool> yearly;
    for (const DateRecord& r : ParseDateListText(c.text, c.kind)) yearly.push_back(r.yearly);
    EXPECT_EQ(yearly, c.yearly) << c.what;
  }
  DateRecordList list{{"Anna", COleDateTime(kXmas), true}};
  list.front().yearly = true;
  EXPECT_EQ(FormatDateListText(list, DateListKind::Events), "!Version: 1.0\r\n!Every year\r\nAnna|2004/12/25\r\n");
  EXPECT_EQ(FormatDateListText(list, DateListKind::Counters), "!Version: 1.0\r\nAnna|2004/12/25 00:00:00\r\n");
}

TEST(DateListText, RemoveCarriageReturns) {
  std::string text = "\rA|2004/12/25\r\n\r\rB\r|x\r";
  RemoveCarriageReturns(text);
  EXPECT_EQ(text, "A|2004/12/25\nB|x");
}
