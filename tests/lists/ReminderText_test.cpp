#include <gtest/gtest.h>

#include <string>
#include <vector>

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
