// The calendar's day tooltips, on a real month calendar: which text shows
// for the day under the mouse, and what the tooltip is told (and not told)
// as the mouse moves.
#include <gtest/gtest.h>

#include <memory>

#include "controls/CTipMonthCal.h"
#include "controls/CalendarProbe.h"

namespace {

SYSTEMTIME Day(int year, int month, int day) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  return st;
}

class TipMonthCalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    m_frame = CreateWindowExA(0, "STATIC", "calendar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                              400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    m_cal = CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_CHILD | WS_VISIBLE | MCS_NOTODAYCIRCLE, 10, 10,
                            300, 300, m_frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_cal, nullptr);
    // One month, no bigger than it needs: the cell search scans it all.
    RECT need{};
    SendMessageA(m_cal, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
    SetWindowPos(m_cal, nullptr, 0, 0, need.right, need.bottom, SWP_NOMOVE | SWP_NOZORDER);
    // January 2003 starts on a Wednesday and ends on a Friday, so the grid
    // shows the last days of December and the first days of February.
    SYSTEMTIME sel = Day(2003, 1, 15);
    SendMessageA(m_cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&sel));
    ASSERT_TRUE(m_tips.SubclassWindow(m_cal));
    ASSERT_NE(m_tips.GetToolTip(), nullptr);
    m_watch = std::make_unique<probe::Watcher>(m_tips.GetToolTip());
  }
  void TearDown() override {
    m_watch.reset();
    DestroyWindow(m_frame);
  }

  POINT At(int year, int month, int day, UINT kind = MCHT_CALENDARDATE) {
    POINT pt = probe::FindDay(m_cal, year, month, day, kind);
    EXPECT_GE(pt.x, 0) << year << "-" << month << "-" << day << " has no cell of kind " << kind;
    return pt;
  }
  // Moves onto a day from outside the day cells and answers the trace of
  // that last move alone.
  std::string HoverFresh(POINT pt) {
    probe::MouseMove(m_cal, probe::FindNonDay(m_cal));
    m_watch->calls.clear();
    probe::MouseMove(m_cal, pt);
    return m_watch->TipTrace();
  }
  std::string Text() { return probe::TipText(m_tips.GetToolTip(), m_cal); }

  HWND m_frame = nullptr;
  HWND m_cal = nullptr;
  CTipMonthCal m_tips;
  std::unique_ptr<probe::Watcher> m_watch;
};

TEST_F(TipMonthCalTest, StartsWithPlaceholderTextAndMultiLineWidth) {
  EXPECT_EQ(Text(), "Calendar Tooltip");
  EXPECT_EQ(SendMessageA(m_tips.GetToolTip(), TTM_GETMAXTIPWIDTH, 0, 0), 0x7FFF);
}

TEST_F(TipMonthCalTest, HoveredDayShowsItsLastMatchingText) {
  m_tips.AddTip(Day(2003, 1, 10), "Early");
  m_tips.AddTip(Day(2003, 1, 10), "Later");
  m_tips.AddTip(Day(2002, 12, 31), "Old Year's Eve");
  m_tips.AddTip(Day(2003, 2, 1), "First of February");
  m_tips.AddTip(Day(2004, 1, 10), "Same day a year on");

  struct Case {
    int y, m, d;
    UINT kind;
    const char* trace;
    const char* text;
  };
  const Case cases[] = {
      {2003, 1, 10, MCHT_CALENDARDATE, "A0 A1 T:Early R A1 T:Later R ", "Later"},
      {2002, 12, 31, MCHT_CALENDARDATEPREV, "A0 A1 T:Old Year's Eve R ", "Old Year's Eve"},
      {2003, 2, 1, MCHT_CALENDARDATENEXT, "A0 A1 T:First of February R ", "First of February"},
      // No entry: deactivated, and the last text is left as it was.
      {2003, 1, 11, MCHT_CALENDARDATE, "A0 ", "First of February"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
    EXPECT_EQ(HoverFresh(At(c.y, c.m, c.d, c.kind)), c.trace);
    EXPECT_EQ(Text(), c.text);
  }
}

TEST_F(TipMonthCalTest, MovingWithinTheDayTouchesNothing) {
  m_tips.AddTip(Day(2003, 1, 8), "Holiday");
  const POINT pt = At(2003, 1, 8);
  HoverFresh(pt);
  m_watch->calls.clear();
  probe::MouseMove(m_cal, POINT{pt.x + 1, pt.y});
  probe::MouseMove(m_cal, POINT{pt.x, pt.y - 1});
  EXPECT_EQ(m_watch->TipTrace(), "");
  EXPECT_EQ(Text(), "Holiday");
}

TEST_F(TipMonthCalTest, LeavingTheDayCellsHidesAndComingBackShowsAgain) {
  m_tips.AddTip(Day(2003, 1, 8), "Holiday");
  const POINT pt = At(2003, 1, 8);
  HoverFresh(pt);
  m_watch->calls.clear();
  probe::MouseMove(m_cal, probe::FindNonDay(m_cal));
  EXPECT_EQ(m_watch->TipTrace(), "A0 ");
  m_watch->calls.clear();
  probe::MouseMove(m_cal, pt);
  EXPECT_EQ(m_watch->TipTrace(), "A0 A1 T:Holiday R ");
}

TEST_F(TipMonthCalTest, ReplacedEntriesShowFromTheNextDayOn) {
  m_tips.AddTip(Day(2003, 1, 8), "Old name");
  const POINT pt = At(2003, 1, 8);
  HoverFresh(pt);

  m_tips.ClearTips();
  m_tips.AddTip(Day(2003, 1, 8), "New name");
  m_watch->calls.clear();
  probe::MouseMove(m_cal, POINT{pt.x + 1, pt.y});
  EXPECT_EQ(m_watch->TipTrace(), "");
  EXPECT_EQ(Text(), "Old name");

  probe::MouseMove(m_cal, At(2003, 1, 9));
  m_watch->calls.clear();
  probe::MouseMove(m_cal, pt);
  EXPECT_EQ(m_watch->TipTrace(), "A0 A1 T:New name R ");
  EXPECT_EQ(Text(), "New name");
}

TEST_F(TipMonthCalTest, ClearedEntriesShowNothing) {
  m_tips.AddTip(Day(2003, 1, 8), "Holiday");
  m_tips.ClearTips();
  EXPECT_EQ(HoverFresh(At(2003, 1, 8)), "A0 ");
}

// Every character of a name, in UTF-8: Greek, Japanese, an emoji.
TEST_F(TipMonthCalTest, MultiLineTextIsKeptWhole) {
  const std::string text = "\xCE\x98\xCE\xB5\xCE\xBF\xCF\x86\xCE\xAC\xCE\xBD\xCE\xB5\xCE\xB9\xCE\xB1\r\n"
                           "\xE6\x88\x90\xE4\xBA\xBA\xE3\x81\xAE\xE6\x97\xA5 \xF0\x9F\x8E\x89";
  m_tips.AddTip(Day(2003, 1, 8), text);
  HoverFresh(At(2003, 1, 8));
  EXPECT_EQ(Text(), text);
}

}  // namespace
