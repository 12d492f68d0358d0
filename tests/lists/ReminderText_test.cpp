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
  DateRecordList holidays = {{"Far", COleDateTime(2026, 12, 20, 0, 0, 0), true}, {"Eve", COleDateTime(1990, 12, 10, 0, 0, 0), true}};
  DateRecordList events = {{"Anna", COleDateTime(1990, 12, 8, 0, 0, 0), true},
                           {"Call", COleDateTime(2026, 12, 10, 0, 0, 0), true}, {"Mum", COleDateTime(2026, 12, 7, 0, 0, 0), true}};
  holidays.back().yearly = events.front().yearly = true;
  const long long today = DayIndex(COleDateTime(2026, 12, 7, 0, 0, 0).m_dt);
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
  EXPECT_EQ(NamesOnDay(events, DateListKind::Events, COleDateTime(2026, 12, 8, 0, 0, 0)), std::vector<std::string>{"Anna (36)"});
}
