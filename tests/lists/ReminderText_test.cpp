#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/DifferenceCalc.h"
#include "lists/ReminderText.h"
#include "support/TestDays.h"

TEST(ReminderText, TooltipNamesTodayCutToFit) {
  const std::string h(30, 'h'), date(61, 'd');
  // The room is in UTF-16 characters: 40 three-byte "日" fit whole; an emoji
  // takes two. An empty title: old systems.
  std::string days, smiles;
  for (int i = 0; i < 40; ++i) days += "\xE6\x97\xA5";
  for (int i = 0; i < 25; ++i) smiles += "\xF0\x9F\x98\x80";
  const struct { const char* title; std::string date; std::vector<std::string> names; std::string tip; } cases[] = {
      {"", "07/12/2026", {days}, "07/12/2026\n" + days},
      {"Tempovista", "07/12/2026", {h, smiles}, "Tempovista\n07/12/2026\n" + h + ", " + smiles.substr(0, 3 * 4) + "..."},
      {"", date, {"Mum"}, date},  // no room for a name
  };
  for (const auto& c : cases) EXPECT_EQ(TooltipText(c.title, c.date, c.names, 63), c.tip);
}

TEST(ReminderText, BalloonLinesEndWithHowManyMore) {
  const std::string name(62, 'n');
  EXPECT_EQ(LinesThatFit(std::vector<std::string>(5, name), 255), name + "\n" + name + "\n" + name + "\nand 2 more");
  EXPECT_EQ(LinesThatFit({std::string(70, 'x')}, 255), std::string(60, 'x') + "...");
}

TEST(ReminderText, TodayThenTheDaysAheadSoonestFirst) {
  DateRecordList holidays = {{"Far", Day(2026, 12, 20), true}, {"Eve", Day(1990, 12, 10), true}};
  DateRecordList events = {
      {"Anna", Day(1990, 12, 8), true}, {"Call", Day(2026, 12, 10), true}, {"Mum", Day(2026, 12, 7), true}};
  holidays.back().yearly = events.front().yearly = true;
  const long long today = DayIndex(Day(2026, 12, 7).m_dt);
  // Each line with its list (h, e) and how many days ahead it tells of.
  auto lines = [&](const DateRecordList& e, long ahead) {
    std::string text;
    for (const ReminderLine& l : ReminderLines(holidays, e, today, ahead))
      text += l.text + (l.kind == DateListKind::Events ? " e" : " h") + std::to_string(l.day - today) + ";";
    return text;
  };
  EXPECT_EQ(lines(events, 0), "Event: Mum e0;");
  EXPECT_EQ(lines(events, 3), "Event: Mum e0;Tomorrow: Anna (36) e1;In 3 days: Eve h3;In 3 days: Call e3;");
  EXPECT_EQ(lines({}, 999), "In 3 days: Eve h3;In 13 days: Far h13;");
  EXPECT_EQ(NamesOnDay(events, DateListKind::Events, Day(2026, 12, 8)), std::vector<std::string>{"Anna (36)"});
}
