// Data exchange against real controls: members to controls and back.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "framework/CDataExchange.h"
#include "framework/CSubclassedWnd.h"

namespace {

enum : int { kEdit = 10, kCheck, kCalendar, kPicker, kPickerNone, kMissing, kLog };

struct Controls : ::testing::Test {
  HWND parent = nullptr;
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    Make("EDIT", kEdit, ES_AUTOHSCROLL);
    Make("BUTTON", kCheck, BS_AUTO3STATE);
    Make(MONTHCAL_CLASSA, kCalendar, 0);
    Make(DATETIMEPICK_CLASSA, kPicker, DTS_SHORTDATEFORMAT);
    Make(DATETIMEPICK_CLASSA, kPickerNone, DTS_SHOWNONE);
    Make("EDIT", kLog, ES_MULTILINE | WS_VSCROLL);
  }
  void TearDown() override { DestroyWindow(parent); }
  void Make(const char* cls, int id, DWORD style) {
    ASSERT_NE(CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 250, 200, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr),
              nullptr);
  }
  CDataExchange Write() { return CDataExchange(parent, false); }
  CDataExchange Read() { return CDataExchange(parent, true); }
};

TEST_F(Controls, TextRoundTrips) {
  // UTF-8, the program's code page: a Latin accent, Greek, Japanese, an emoji.
  for (const std::string& text : {std::string(), std::string("Tempovista"),
                                  std::string("a|b \"c\" \xC3\xA9t\xC3\xA9 \xCE\xB1 \xE6\x97\xA5 \xF0\x9F\x98\x80"),
                                  std::string(3000, 'x')}) {
    std::string member = text, back = "not read";
    CDataExchange write = Write(), read = Read();
    DDX_Text(&write, kEdit, member);
    DDX_Text(&read, kEdit, back);
    EXPECT_EQ(back, text);
  }
}

// A page that writes its members on every timer tick must not scroll a log
// the user has scrolled.
TEST_F(Controls, UnchangedTextKeepsTheScrollPosition) {
  std::string log;
  for (int i = 0; i < 40; ++i) log += "line\r\n";
  CDataExchange write = Write();
  DDX_Text(&write, kLog, log);
  HWND edit = GetDlgItem(parent, kLog);
  SendMessageA(edit, EM_LINESCROLL, 0, 10);
  DDX_Text(&write, kLog, log);
  EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 10);
}

TEST_F(Controls, CheckRoundTripsAllThreeStates) {
  for (BOOL state : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
    BOOL member = state, back = -1;
    CDataExchange write = Write(), read = Read();
    DDX_Check(&write, kCheck, member);
    DDX_Check(&read, kCheck, back);
    EXPECT_EQ(back, state);
  }
}

// The calendar holds days: the time of day is dropped both ways, and dates
// before 1899-12-30 (negative values) come back as the same day.
TEST_F(Controls, CalendarSelectsTheDayAndReadsMidnight) {
  struct Case {
    double value, day;
  } cases[] = {{45351.75, 45351.0},  // 2024-02-29 18:00
               {37683.0, 37683.0},   // 2003-03-03
               {-1.25, -1.0},        // 1899-12-29 06:00 (the fraction counts forwards)
               {1.5, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    COleDateTime member(c.value), back(999.0);
    CDataExchange write = Write(), read = Read();
    DDX_MonthCalCtrl(&write, kCalendar, member);
    DDX_MonthCalCtrl(&read, kCalendar, back);
    EXPECT_TRUE(back.IsValid());
    EXPECT_DOUBLE_EQ(back.m_dt, c.day);
  }
  // An invalid member leaves the selection alone.
  COleDateTime invalid(45000.0, COleDateTime::invalid), back;
  CDataExchange write = Write(), read = Read();
  DDX_MonthCalCtrl(&write, kCalendar, invalid);
  DDX_MonthCalCtrl(&read, kCalendar, back);
  EXPECT_DOUBLE_EQ(back.m_dt, 1.0);
}

TEST_F(Controls, PickerKeepsDateAndTimeToTheSecond) {
  const double noon34 = 37683.0 + (12 * 3600 + 34 * 60 + 56) / 86400.0;  // 2003-03-03 12:34:56
  COleDateTime member(noon34), back;
  CDataExchange write = Write(), read = Read();
  DDX_DateTimeCtrl(&write, kPicker, member);
  DDX_DateTimeCtrl(&read, kPicker, back);
  EXPECT_TRUE(back.IsValid());
  EXPECT_NEAR(back.m_dt, noon34, 0.5 / 86400);

  // A picker with its box cleared has no date: an invalid value, both ways.
  COleDateTime none(0.0, COleDateTime::invalid), fromNone(noon34);
  DDX_DateTimeCtrl(&write, kPickerNone, none);
  DDX_DateTimeCtrl(&read, kPickerNone, fromNone);
  EXPECT_FALSE(fromNone.IsValid());
}

TEST_F(Controls, MissingControlLeavesMembersAlone) {
  std::string text = "kept";
  BOOL check = BST_CHECKED;
  COleDateTime date(123.0);
  CDataExchange read = Read();
  DDX_Text(&read, kMissing, text);
  DDX_Check(&read, kMissing, check);
  DDX_MonthCalCtrl(&read, kMissing, date);
  DDX_DateTimeCtrl(&read, kMissing, date);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(check, BST_CHECKED);
  EXPECT_DOUBLE_EQ(date.m_dt, 123.0);
}

struct CountingEdit : CSubclassedWnd {
  int subclassed = 0;
  void PreSubclassWindow() override { ++subclassed; }
};

TEST_F(Controls, ControlIsBoundAtTheFirstExchangeOnly) {
  CountingEdit edit;
  for (bool save : {false, true, false}) {
    CDataExchange dx(parent, save);
    DDX_Control(&dx, kEdit, edit);
  }
  EXPECT_EQ(edit.subclassed, 1);
  EXPECT_EQ(edit.GetSafeHwnd(), GetDlgItem(parent, kEdit));
}

}  // namespace
