#include "lists/Occurrences.h"

#include <gtest/gtest.h>

#include "base/CivilDays.h"
#include "support/TestDays.h"

TEST(Occurrences, OnWhichDaysAndWithWhatName) {
  DateRecord anna{"Anna", Day(1990, 7, 14), true}, leap{"Leap", Day(2000, 2, 29), true};
  anna.yearly = leap.yearly = true;
  const DateRecord once{"Once", Day(2020, 5, 1), true};
  // The name shown on a day, "-" where the record does not fall on it.
  const struct { const DateRecord& record; int y, m, d; const char* shown; } cases[] = {
      {anna, 1990, 7, 14, "Anna"},  // its first year: no count
      {anna, 2026, 7, 14, "Anna (36)"},
      {anna, 1989, 7, 14, "-"},  // never before its first date
      {leap, 2004, 2, 29, "Leap (4)"},
      {leap, 2001, 2, 28, "Leap (1)"},  // common years: 28 February
      {leap, 2004, 2, 28, "-"},
      {leap, 2100, 2, 28, "Leap (100)"},  // 2100 is common
      {once, 2020, 5, 1, "Once"},
      {once, 2021, 5, 1, "-"},
  };
  for (const auto& c : cases) {
    const long long day = DaysFromCivil(c.y, c.m, c.d);
    EXPECT_EQ(OccursOn(c.record, day) ? ShownName(c.record, day, DateListKind::Events) : "-", c.shown) << c.y;
  }
  EXPECT_EQ(ShownName(anna, DaysFromCivil(2026, 7, 14), DateListKind::Holidays), "Anna") << "a day off counts no years";
  DateRecordList list{once, anna, leap};
  list.back().active = false;
  std::string listed;
  for (const Occurrence& o : OccurrencesWithin(list, DaysFromCivil(2019, 7, 1), DaysFromCivil(2021, 1, 1)))
    listed += ShownName(*o.record, o.day, DateListKind::Events) + ";";
  EXPECT_EQ(listed, "Anna (29);Once;Anna (30);");
}
