#include "base/WorkWeek.h"

#include <gtest/gtest.h>

// A week in words: runs counted around the end of the week, whichever day
// (Monday 1, Sunday 7) the user's week starts on.
TEST(WorkWeek, Describe) {
  const std::string names[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  struct Case { uint32_t bits; int firstDay; const char* text; };
  const Case cases[] = {{0x1F, 7, "Mon-Fri"}, {0x4F, 1, "Sun-Thu"}, {0x41, 1, "Sun-Mon"}, {0x20, 7, "Sat"},
                        {0x7F, 7, "Sun-Sat"}, {0x7F, 1, "Mon-Sun"}, {0x55, 7, "Sun, Mon, Wed, Fri"}};
  for (const Case& c : cases) EXPECT_EQ(WorkWeek(c.bits).Describe(names, c.firstDay, "-"), c.text) << c.bits;
}
