#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/ReminderText.h"

namespace {

TEST(ReminderText, TooltipNamesTodayCutToFit) {
  struct Case {
    const char* title;
    std::string date;
    std::vector<std::string> names;
    std::string tip;
  };
  const Case cases[] = {
      {"Tempovista", "07/12/2026", {}, "Tempovista\n07/12/2026"},
      {"Tempovista", "07/12/2026", {"New Year", "Epiphany", "Mum"}, "Tempovista\n07/12/2026\nNew Year, Epiphany, Mum"},
      {"", "07/12/2026", {"Mum"}, "07/12/2026\nMum"},
      {"Tempovista", "07/12/2026", {std::string(30, 'h'), std::string(30, 'e')},
       "Tempovista\n07/12/2026\n" + std::string(30, 'h') + ", " + std::string(6, 'e') + "..."},
      {"", std::string(61, 'd'), {"Mum"}, std::string(61, 'd')},
  };
  for (const Case& c : cases) {
    const std::string tip = TooltipText(c.title, c.date, c.names, 63);
    EXPECT_EQ(tip, c.tip);
    EXPECT_LE(tip.size(), 63u);
  }
}

TEST(ReminderText, BalloonLinesEndWithHowManyMore) {
  const std::string name(62, 'n');
  const std::vector<std::string> five(5, name);
  EXPECT_EQ(LinesThatFit({"A", "B"}, 255), "A\nB");
  EXPECT_EQ(LinesThatFit(five, 255), name + "\n" + name + "\n" + name + "\nand 2 more");
  EXPECT_EQ(LinesThatFit({std::string(70, 'x')}, 255), std::string(60, 'x') + "...");
}

}  // namespace
