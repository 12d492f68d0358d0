// The Month by Month page in the real main window, driven by the messages
// a user's actions produce: the counts, the difference locked and
// unlocked, the stored difference, and the error box of an impossible move.
#include "pages/MonthByMonthHarness.h"

#include "framework/LocaleText.h"

namespace mbm {
namespace {

enum Unit { kDays = 0, kWeeks = 1, kMonths = 2, kYears = 3 };

struct Holiday {
  int y, m, d;
  bool active;
};

TEST_F(MonthByMonthTest, CountsFromTheTwoDates) {
  struct Case {
    const char* what;
    SYSTEMTIME start, end;
    std::vector<Holiday> holidays;
    const char *days, *weekdays, *business, *weeks;
  };
  const Case cases[] = {
      {"Monday to Monday", Day(2003, 1, 6), Day(2003, 1, 13), {}, "7", "5", "5", "1.0"},
      {"Saturday to Monday", Day(2003, 1, 4), Day(2003, 1, 6), {}, "2", "1", "1", "0.2"},
      {"Saturday to Sunday", Day(2003, 1, 4), Day(2003, 1, 5), {}, "1", "0", "0", "0.1"},
      {"the same holiday", Day(2003, 1, 8), Day(2003, 1, 8), {{2003, 1, 8, true}}, "0", "0", "0", "0.0"},
      {"holiday on the start", Day(2003, 1, 6), Day(2003, 1, 13), {{2003, 1, 6, true}}, "7", "5", "5", "1.0"},
      {"holiday on the end", Day(2003, 1, 6), Day(2003, 1, 13), {{2003, 1, 13, true}}, "7", "5", "4", "1.0"},
      {"holiday on a Saturday", Day(2003, 1, 6), Day(2003, 1, 13), {{2003, 1, 11, true}}, "7", "5", "5", "1.0"},
      {"two on one Wednesday", Day(2003, 1, 6), Day(2003, 1, 13),
       {{2003, 1, 8, true}, {2003, 1, 8, true}}, "7", "5", "4", "1.0"},
      {"an inactive one", Day(2003, 1, 6), Day(2003, 1, 13), {{2003, 1, 8, false}}, "7", "5", "5", "1.0"},
      {"ten days", Day(2003, 1, 6), Day(2003, 1, 16), {}, "10", "8", "8", "1.3"},
  };
  Run([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      m_dlg->m_holidays.clear();
      for (const Holiday& h : c.holidays) AddHoliday("Holiday", h.y, h.m, h.d, h.active);
      Activate();
      PickStart(c.start.wYear, c.start.wMonth, c.start.wDay);
      PickEnd(c.end.wYear, c.end.wMonth, c.end.wDay);
      EXPECT_EQ(Text(IDC_MBM_DAYS), c.days);
      EXPECT_EQ(Text(IDC_MBM_WEEKDAYS), c.weekdays);
      EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), c.business);
      EXPECT_EQ(Text(IDC_MBM_WEEKS), c.weeks);
    }
  });
}

TEST_F(MonthByMonthTest, UnlockedDifferenceFollowsTheDatesInTheChosenUnit) {
  struct Case {
    Unit unit;
    SYSTEMTIME start, end;
    const char* amount;
    DWORD packed;
  };
  const Case cases[] = {
      {kMonths, Day(2003, 1, 31), Day(2003, 2, 1), "1", 0x40001},
      {kYears, Day(2003, 12, 31), Day(2004, 1, 1), "1", 0x80001},
      {kWeeks, Day(2003, 1, 6), Day(2003, 1, 19), "1", 0x20001},
      {kDays, Day(2003, 1, 6), Day(2003, 1, 19), "13", 0x1000D},
      // More days than the stored form holds: shown whole, packed clamped.
      {kDays, Day(1800, 1, 1), Day(2000, 1, 1), "73048", 0x1FFFF},
  };
  Run([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.amount);
      ChooseUnit(c.unit);
      PickStart(c.start.wYear, c.start.wMonth, c.start.wDay);
      PickEnd(c.end.wYear, c.end.wMonth, c.end.wDay);
      EXPECT_EQ(Text(IDC_MBM_AMOUNT), c.amount);
      EXPECT_EQ(m_page->m_nDifference, c.packed);
    }
    // Moving the dates stores nothing.
    EXPECT_EQ(Stored("Difference"), 0x20004);
  });
}

TEST_F(MonthByMonthTest, EndBeforeStartBecomesTheStart) {
  Run([&] {
    PickStart(2003, 1, 15);
    PickEnd(2003, 1, 10);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2003-01-15");
    EXPECT_EQ(Text(IDC_MBM_END), Text(IDC_MBM_START));
    EXPECT_EQ(Text(IDC_MBM_AMOUNT), "0");
    EXPECT_EQ(Text(IDC_MBM_DAYS), "0");
  });
}

TEST_F(MonthByMonthTest, LockedDifferenceMovesTheOtherDate) {
  Run([&] {
    ChooseUnit(kWeeks);
    TypeAmount("2");
    SetLock(true);
    EXPECT_EQ(Stored("LinkedDifference"), 1);
    EXPECT_EQ(Stored("Difference"), 0x20002);

    PickStart(2003, 1, 6);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2003-01-20");
    PickEnd(2003, 3, 1);
    EXPECT_EQ(Selected(IDC_MBM_STARTCAL), "2003-02-15");
    EXPECT_EQ(Text(IDC_MBM_DAYS), "14");

    ChooseUnit(kMonths);
    TypeAmount("1");
    PickStart(2003, 1, 31);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2003-03-03");
    COleDateTime end;
    end.SetDate(2003, 3, 3);
    EXPECT_EQ(Text(IDC_MBM_END), DateText(end));

    ChooseUnit(kYears);
    PickStart(2004, 2, 29);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2005-03-01");
  });
}

TEST_F(MonthByMonthTest, CalcDifferenceCarriesTheMonthEndAndStoresTheRecount) {
  Run([&] {
    ChooseUnit(kMonths);
    TypeAmount("1");
    PickStart(2003, 1, 31);
    Click(IDC_MBM_CALC);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2003-03-03");
    EXPECT_EQ(Text(IDC_MBM_AMOUNT), "2");
    EXPECT_EQ(SendMessageA(Item(IDC_MBM_LOCK), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Stored("Difference"), 0x40002);
    EXPECT_EQ(Stored("LinkedDifference"), 0);
  });
}

TEST_F(MonthByMonthTest, AmountIsClampedBeforeTheMove) {
  Run([&] {
    ChooseUnit(kDays);
    TypeAmount("70000");
    SetLock(true);
    EXPECT_EQ(Text(IDC_MBM_AMOUNT), "65535");
    EXPECT_EQ(Stored("Difference"), 0x1FFFF);
    PickStart(2003, 1, 1);
    // 65535 days after 1 January 2003.
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2182-06-06");
  });
}

TEST_F(MonthByMonthTest, UnlockingAWideDifferenceKeepsTheUnitBits) {
  Run([&] {
    ChooseUnit(kYears);
    TypeAmount("200");
    SetLock(true);
    PickStart(1800, 1, 1);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2000-01-01");
    ChooseUnit(kDays);
    SetLock(false);
    EXPECT_EQ(Text(IDC_MBM_AMOUNT), "73048");
    EXPECT_EQ(Stored("Difference"), 0x1FFFF);
    EXPECT_EQ(Stored("LinkedDifference"), 0);
  });
}

TEST_F(MonthByMonthTest, StoredDifferenceChoosesAmountAndUnit) {
  struct Case {
    LONG stored;
    const char* amount;
    int unit;
  };
  const Case cases[] = {
      {0x20004, "4", kWeeks}, {0x1000A, "10", kDays}, {0x40003, "3", kMonths},
      {0x80002, "2", kYears}, {0x30000, "0", kYears},  // no such unit: "Year"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Store("Difference", c.stored);
    Store("LinkedDifference", 1);
    Run([&] {
      EXPECT_EQ(Text(IDC_MBM_AMOUNT), c.amount);
      EXPECT_EQ(UnitIndex(), c.unit);
      EXPECT_EQ(SendMessageA(Item(IDC_MBM_LOCK), BM_GETCHECK, 0, 0), BST_CHECKED);
    });
  }
}

TEST_F(MonthByMonthTest, StartUpShowsTheDifferenceFromNowAndStoresIt) {
  Store("Difference", 0x1000A);  // 10 days
  Run([&] {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(Text(IDC_MBM_START), DateText(now));
    EXPECT_EQ(Text(IDC_MBM_END), DateText(now.AddDays(10)));
    EXPECT_EQ(Text(IDC_MBM_DAYS), "10");
    EXPECT_EQ(Text(IDC_MBM_WEEKS), "1.3");
    EXPECT_TRUE(boxes.empty());
  });
  EXPECT_EQ(Stored("Difference"), 0x1000A);
  EXPECT_EQ(Stored("LinkedDifference"), 0);
}

TEST_F(MonthByMonthTest, ImpossibleMoveShowsTheErrorAndKeepsBothDates) {
  struct Case {
    Unit unit;
    const char* amount;
    int year;  // of the start, 1 January; the end is nine days later
  };
  const Case cases[] = {
      {kYears, "9000", 2003},
      {kMonths, "65535", 9000},
      // Day and week moves fail alike rather than hand a calendar a date it
      // cannot show.
      {kDays, "65535", 9900},
      {kWeeks, "9999", 9900},
  };
  Run([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.amount);
      SetLock(false);
      PickStart(c.year, 1, 1);
      PickEnd(c.year, 1, 10);
      ChooseUnit(c.unit);
      TypeAmount(c.amount);
      boxes.clear();
      SetLock(true);  // moves the end from the start by the amount
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].text, "Unable to set the date to the difference.\nPlease reduce the difference.");
      EXPECT_EQ(boxes[0].caption, "Month by Month Error");
      EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
      EXPECT_EQ(boxes[0].owner, m_page->GetSafeHwnd());
      char start[16], end[16];
      wsprintfA(start, "%04d-01-01", c.year);
      wsprintfA(end, "%04d-01-10", c.year);
      EXPECT_EQ(Selected(IDC_MBM_STARTCAL), start);
      EXPECT_EQ(Selected(IDC_MBM_ENDCAL), end);
      EXPECT_EQ(Text(IDC_MBM_DAYS), "9");
    }
  });
}

// A new end date, locked: the start cannot move back by the difference,
// because the date cannot be composed or because the calendar refuses it
// (days before its earliest: 1752-09-14 under Wine). The start stays, in
// the calendar, the text and the counts.
TEST_F(MonthByMonthTest, ImpossibleBackwardMoveKeepsTheStart) {
  struct Case {
    Unit unit;
    int endYear;
    const char* days;  // from the start to the new end
  };
  const Case cases[] = {{kMonths, 1800, "-37619"}, {kDays, 1900, "-1095"}};
  Run([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.endYear);
      SetLock(false);
      PickStart(1903, 1, 1);
      ChooseUnit(c.unit);
      TypeAmount("65535");
      SetLock(true);
      boxes.clear();
      PickEnd(c.endYear, 1, 1);
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].text, "Unable to set the date to the difference.\nPlease reduce the difference.");
      EXPECT_EQ(boxes[0].caption, "Month by Month Error");
      EXPECT_EQ(Selected(IDC_MBM_STARTCAL), "1903-01-01");
      COleDateTime start;
      start.SetDate(1903, 1, 1);
      EXPECT_EQ(Text(IDC_MBM_START), DateText(start));
      EXPECT_EQ(Text(IDC_MBM_DAYS), c.days);
    }
  });
}

}  // namespace
}  // namespace mbm
