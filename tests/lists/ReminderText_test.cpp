#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/DifferenceCalc.h"
#include "lists/ReminderText.h"

TEST(ReminderText, TooltipNamesTodayCutToFit) {
  const std::string h(30, 'h'), e(30, 'e'), date(61, 'd');
  // The room is in UTF-16 characters: 40 three-byte "日" fit whole; an emoji
  // takes two.
  std::string days, smiles;
  for (int i = 0; i < 40; ++i) days += "\xE6\x97\xA5";
  for (int i = 0; i < 25; ++i) smiles += "\xF0\x9F\x98\x80";
  const struct {
    const char* title;
    std::string date;
    std::vector<std::string> names;
    std::string tip;
  } cases[] = {
      {"Tempovista", "07/12/2026", {"New Year", "Mum"}, "Tempovista\n07/12/2026\nNew Year, Mum"},
      {"", "07/12/2026", {"Mum"}, "07/12/2026\nMum"},  // old systems
      {"Tempovista", "07/12/2026", {h, e}, "Tempovista\n07/12/2026\n" + h + ", eeeeee..."},
      {"", date, {"Mum"}, date},  // no room for a name
      {"Tempovista", "07/12/2026", {days}, "Tempovista\n07/12/2026\n" + days},
      {"Tempovista", "07/12/2026", {smiles}, "Tempovista\n07/12/2026\n" + smiles.substr(0, 19 * 4) + "..."},
  };
  for (const auto& c : cases) EXPECT_EQ(TooltipText(c.title, c.date, c.names, 63), c.tip);
}

TEST(ReminderText, BalloonLinesEndWithHowManyMore) {
  const std::string name(62, 'n');
  EXPECT_EQ(LinesThatFit({"A", "B"}, 255), "A\nB");
  EXPECT_EQ(LinesThatFit(std::vector<std::string>(5, name), 255), name + "\n" + name + "\n" + name + "\nand 2 more");
  EXPECT_EQ(LinesThatFit({std::string(70, 'x')}, 255), std::string(60, 'x') + "...");
}

TEST(ReminderText, TodayThenTheDaysAheadSoonestFirst) {
  auto record = [](const char* name, int y, int m, int d, bool yearly) {
    DateRecord r{name, COleDateTime(y, m, d, 0, 0, 0), true};
    r.yearly = yearly;
    return r;
  };
  const DateRecordList holidays = {record("Far", 2026, 12, 20, false), record("Eve", 1990, 12, 10, true)};
  const DateRecordList events = {record("Anna", 1990, 12, 8, true), record("Call", 2026, 12, 10, false),
                                 record("Mum", 2026, 12, 7, false)};
  const long long today = DayIndex(COleDateTime(2026, 12, 7, 0, 0, 0).m_dt);
  const struct {
    int ahead;
    std::vector<std::string> lines;
  } cases[] = {
      {0, {"Event: Mum"}},
      {3, {"Event: Mum", "Tomorrow: Anna (36)", "In 3 days: Eve", "In 3 days: Call"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    for (const ReminderLine& line : ReminderLines(holidays, events, today, c.ahead)) lines.push_back(line.text);
    EXPECT_EQ(lines, c.lines) << c.ahead;
  }
  // Nothing today: the first line is ahead, and tells its list and day.
  const std::vector<ReminderLine> ahead = ReminderLines(holidays, {}, today, 13);
  ASSERT_EQ(ahead.size(), 2u);
  EXPECT_EQ(ahead[0].kind, DateListKind::Holidays);
  EXPECT_EQ(ahead[0].day, today + 3);
  EXPECT_EQ(ahead[1].text, "In 13 days: Far");
  EXPECT_EQ(NamesOnDay(events, DateListKind::Events, COleDateTime(2026, 12, 8, 0, 0, 0)), std::vector<std::string>{"Anna (36)"});
}
