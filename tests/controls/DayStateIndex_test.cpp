// Which day-state word a day of a month calendar falls in.
#include "controls/DayStateIndex.h"

#include <gtest/gtest.h>

namespace {

TEST(DayStateIndexTest, TheMonthOffsetFromTheFirstDisplayedMonth) {
  const struct {
    int firstYear, firstMonth, year, month, words, index;
  } cases[] = {
      // The usual three words: the grey days before, the month, the grey days after.
      {2002, 12, 2002, 12, 3, 0},
      {2002, 12, 2003, 1, 3, 1},
      {2002, 12, 2003, 2, 3, 2},
      {2003, 5, 2003, 5, 3, 0},
      {2003, 5, 2003, 7, 3, 2},
      // Outside the words the calendar reports: skipped.
      {2002, 12, 2003, 3, 3, -1},
      {2002, 12, 2002, 11, 3, -1},
      {2003, 1, 2002, 1, 3, -1},
      {2003, 1, 2004, 1, 3, -1},
      // A calendar that starts on the 1st reports fewer words; a larger one more.
      {2003, 6, 2003, 7, 2, 1},
      {2003, 6, 2003, 8, 2, -1},
      {2003, 11, 2004, 2, 6, 3},
      {2003, 1, 2003, 1, 0, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.index, DayStateIndex(c.firstYear, c.firstMonth, c.year, c.month, c.words))
        << c.firstYear << "-" << c.firstMonth << " " << c.year << "-" << c.month << " of " << c.words;
  }
}

}  // namespace
