#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/DateRecord.h"

namespace {

DateRecord Rec(const char* name, double value, bool valid = true) {
  return DateRecord{name, COleDateTime(value, valid ? COleDateTime::valid : COleDateTime::invalid),
                    true};
}

std::vector<std::string> Names(const DateRecordList& list) {
  std::vector<std::string> names;
  for (const DateRecord& r : list) names.push_back(r.name);
  return names;
}

}  // namespace

TEST(SortByDate, OrdersStablyOnTheLinearScale) {
  const double may1 = COleDateTime(2004, 5, 1, 0, 0, 0).m_dt;
  const double jan1 = COleDateTime(2004, 1, 1, 0, 0, 0).m_dt;
  struct Case {
    const char* what;
    DateRecordList input;
    std::vector<std::string> sorted;
  };
  const Case cases[] = {
      {"empty", {}, {}},
      {"one", {Rec("A", may1)}, {"A"}},
      {"equal dates keep their order",
       {Rec("A", may1), Rec("B", may1), Rec("C", may1), Rec("new year", jan1)},
       {"new year", "A", "B", "C"}},
      {"time of day counts",
       {Rec("evening", COleDateTime(2004, 5, 1, 18, 0, 0).m_dt),
        Rec("morning", COleDateTime(2004, 5, 1, 9, 0, 0).m_dt)},
       {"morning", "evening"}},
      {"invalid sorts by its value",
       {Rec("1950", COleDateTime(1950, 1, 1, 0, 0, 0).m_dt), Rec("unreadable", 0.0, false),
        Rec("1899-12-29", -1.0), Rec("failed", -1.0, false)},
       {"1899-12-29", "failed", "unreadable", "1950"}},
      {"before 1899-12-30 the time counts forwards",
       {Rec("29th noon", -1.5), Rec("30th", 0.0), Rec("29th 06:00", -1.25), Rec("29th", -1.0),
        Rec("28th", -2.0)},
       {"28th", "29th", "29th 06:00", "29th noon", "30th"}},
  };
  for (const Case& c : cases) {
    DateRecordList list = c.input;
    SortByDate(list);
    EXPECT_EQ(Names(list), c.sorted) << c.what;
  }
}

TEST(SortByDate, RelinksRatherThanCopies) {
  DateRecordList list{Rec("B", 2.0), Rec("A", 1.0)};
  const DateRecord* b = &list.front();
  const DateRecord* a = &list.back();
  SortByDate(list);
  EXPECT_EQ(&list.front(), a);
  EXPECT_EQ(&list.back(), b);
}
