// Holidays on the Month by Month calendars: the bold days each calendar is
// given (captured on their way in: no message reads them back) and the
// holiday names as day tooltips.
#include "pages/MonthByMonthHarness.h"

#include <memory>

#include "controls/CalendarProbe.h"

namespace mbm {
namespace {

MONTHDAYSTATE Bit(int day) { return 1u << (day - 1); }

class MonthByMonthHolidaysTest : public MonthByMonthTest {
 protected:
  // The day states the calendar was given last.
  std::vector<MONTHDAYSTATE> LastDayStates(const probe::Watcher& watch) {
    const auto calls = watch.Of(MCM_SETDAYSTATE);
    if (calls.empty()) return {};
    return calls.back().days;
  }
};

TEST_F(MonthByMonthHolidaysTest, HolidaysOfTheShownMonthsAreBold) {
  Run([&] {
    // January 2003 shows the last days of December 2002 and the first days
    // of February 2003 in grey.
    AddHoliday("New Year's Eve", 2002, 12, 31);
    AddHoliday("Early", 2003, 1, 8);
    AddHoliday("Deleted", 2003, 1, 9, false);
    AddHoliday("Late", 2003, 1, 20);
    AddHoliday("Next month", 2003, 2, 1);
    AddHoliday("Out of sight", 2003, 3, 15);
    AddHoliday("A year later", 2004, 1, 8);

    for (int id : {IDC_MBM_STARTCAL, IDC_MBM_ENDCAL}) {
      SCOPED_TRACE(id);
      probe::Watcher watch(Item(id));
      PickStart(2003, 1, 15);
      PickEnd(2003, 1, 20);
      const std::vector<MONTHDAYSTATE> expected = {Bit(31), Bit(8) | Bit(20), Bit(1)};
      EXPECT_EQ(LastDayStates(watch), expected);
    }
  });
}

TEST_F(MonthByMonthHolidaysTest, InactiveHolidaysAreNotBold) {
  Run([&] {
    AddHoliday("Deleted", 2003, 1, 8, false);
    AddHoliday("Deleted too", 2002, 12, 31, false);
    probe::Watcher watch(Item(IDC_MBM_STARTCAL));
    PickStart(2003, 1, 15);
    const std::vector<MONTHDAYSTATE> expected = {0, 0, 0};
    EXPECT_EQ(LastDayStates(watch), expected);
  });
}

// Holidays changed on another page: activation brings the bold days and
// the counts up to date, and nothing else moves.
TEST_F(MonthByMonthHolidaysTest, ActivatingThePageMarksTheHolidaysAndCounts) {
  Run([&] {
    PickStart(2003, 1, 15);
    PickEnd(2003, 1, 31);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "12");
    const std::string amount = Text(IDC_MBM_AMOUNT);
    Store("Difference", 0x10007);  // no handler would write this back
    AddHoliday("Added elsewhere", 2003, 1, 22);
    probe::Watcher watch(Item(IDC_MBM_STARTCAL));
    Activate();
    const std::vector<MONTHDAYSTATE> expected = {0, Bit(22), 0};
    EXPECT_EQ(LastDayStates(watch), expected);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "11");
    EXPECT_EQ(Text(IDC_MBM_WEEKDAYS), "12");
    EXPECT_EQ(Selected(IDC_MBM_STARTCAL), "2003-01-15");
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2003-01-31");
    EXPECT_EQ(Text(IDC_MBM_AMOUNT), amount);
    EXPECT_EQ(Stored("Difference"), 0x10007);
  });
}

TEST_F(MonthByMonthHolidaysTest, HolidayNamesAreTheDayTooltips) {
  Run([&] {
    AddHoliday("Founders' Day", 2003, 1, 8);
    AddHoliday("Also Founders' Day", 2003, 1, 8);
    AddHoliday("New Year's Eve", 2002, 12, 31);
    PickStart(2003, 1, 15);

    HWND cal = Item(IDC_MBM_STARTCAL);
    HWND tip = m_page->m_startCal.GetToolTip();
    ASSERT_NE(tip, nullptr);
    probe::MouseMove(cal, probe::FindDay(cal, 2003, 1, 8, MCHT_CALENDARDATE));
    EXPECT_EQ(probe::TipText(tip, cal), "Also Founders' Day");
    probe::MouseMove(cal, probe::FindDay(cal, 2002, 12, 31, MCHT_CALENDARDATEPREV));
    EXPECT_EQ(probe::TipText(tip, cal), "New Year's Eve");
  });
}

}  // namespace
}  // namespace mbm
