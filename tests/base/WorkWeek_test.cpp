#include "base/WorkWeek.h"

#include <gtest/gtest.h>

// A week in words: runs counted around the end of the week, whichever day
// the user's week starts on.
TEST(WorkWeek, Describe) {
  const std::string names[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  constexpr int kSunday = 7, kMonday = 1;
  struct Case {
    uint32_t bits;
    int firstDay;
    const char* text;
  };
  const Case cases[] = {
      {0x1F, kSunday, "Mon-Fri"},       {0x4F, kMonday, "Sun-Thu"},  {0x4F, kSunday, "Sun-Thu"},
      {0x41, kMonday, "Sun-Mon"},       {0x20, kSunday, "Sat"},      {0x7F, kSunday, "Sun-Sat"},
      {0x7F, kMonday, "Mon-Sun"},       {0x15, kSunday, "Mon, Wed, Fri"},
      {0x55, kSunday, "Sun, Mon, Wed, Fri"},
  };
  for (const Case& c : cases) EXPECT_EQ(WorkWeek(c.bits).Describe(names, c.firstDay, "-"), c.text) << c.bits;
}
