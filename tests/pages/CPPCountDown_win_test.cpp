// The Countdowns page in the real main window, on a clock the tests move:
// the rows and their countdown, what a tick may and may not touch, editing
// counters with the two pickers, and the file buttons.
#include <gtest/gtest.h>

#include <map>
#include <utility>

// <windows.h> first: COleDateTime.h undoes its GetCurrentTime macro.
#include "lists/ListTestSupport_win.h"
#include "pages/MonthByMonthHarness.h"
#include "pages/CPPCountDown.h"
#include "framework/Dpi.h"
#include "framework/SystemTime.h"
#include "framework/LocaleText.h"
#include "lists/ReminderText.h"
#include "support/WindowProbe_win.h"

namespace {

SYSTEMTIME SystemTimeOf(const COleDateTime& value) {
  SYSTEMTIME st{};
  ToSystemTime(value, st);
  return st;
}

using Strings = std::vector<std::string>;
using listtest::ReadBytes;
using listtest::WriteBytes;

int64_t g_seconds = mbm::kNow;
int64_t MovableClock() { return g_seconds * 1000; }
// A second later at every reading.
int64_t RunningClock() { return g_seconds++ * 1000; }

// Counts the messages a list is sent, by subclassing it.
struct ListMessages {
  explicit ListMessages(HWND list) : m_list(list) {
    SetWindowSubclass(list, &Proc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~ListMessages() { RemoveWindowSubclass(m_list, &Proc, 1); }
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
    ++reinterpret_cast<ListMessages*>(self)->count[msg];
    return DefSubclassProc(h, msg, w, l);
  }
  int Take(UINT msg) { return std::exchange(count[msg], 0); }
  HWND m_list;
  std::map<UINT, int> count;
};

class CountdownTest : public mbm::MonthByMonthTest {
 protected:
  void SetUp() override {
    MonthByMonthTest::SetUp();
    g_seconds = mbm::kNow;
    SetClockSource(&MovableClock);
    m_dir = listtest::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    m_settings.SetText("CounterCacheFile", File("cache.tvc"));
    SetOpenFileHook(nullptr);
  }
  void TearDown() override {
    SetOpenFileHook(nullptr);
    MonthByMonthTest::TearDown();
  }

  // Shows the page (it initialises at its first showing) and runs `body`.
  void RunPage(const std::function<void()>& body) {
    Run([&] {
      m_dlg->SetActivePage(1);
      body();
    }, {&m_cd});
  }
  std::string File(const std::string& name) const { return m_dir + "\\" + name; }
  static COleDateTime Now() { return COleDateTime::GetCurrentTime(); }
  void AddCounter(const char* name, const COleDateTime& end) {
    m_dlg->m_counters.push_back(DateRecord{name, end, true});
  }

  // --- the user's actions -------------------------------------------------
  HWND Of(int id) const { return GetDlgItem(m_cd.GetSafeHwnd(), id); }
  void Press(int id) { SendMessageA(Of(id), BM_CLICK, 0, 0); }
  // The command even where the button is disabled.
  void Command(int id) { SendMessageA(m_cd.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(Of(id))); }
  void Type(int id, const std::string& text) { SetWindowTextA(Of(id), text.c_str()); }
  void SetPicker(int id, const COleDateTime& value) {
    SYSTEMTIME st = SystemTimeOf(value);
    SendMessageA(Of(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  }
  void SetEnd(const COleDateTime& end) {
    SetPicker(IDC_CD_ENDDAY, end);
    SetPicker(IDC_CD_ENDTIME, end);
  }
  void Add(const char* name, const COleDateTime& end) {
    Type(IDC_CD_NAME, name);
    SetEnd(end);
    Press(IDC_CD_ADD);
  }
  // A click on a row, or with -1 on the empty area below the rows.
  void ClickRow(int row) { probe::ClickListRow(m_cd.GetSafeHwnd(), IDC_CD_LIST, row); }
  void Tick(int64_t seconds = 0) {
    g_seconds += seconds;
    CountdownTimerProc(m_cd.GetSafeHwnd(), WM_TIMER, m_cd.m_nTimer, 0);
  }

  // --- what the user sees -------------------------------------------------
  std::string Text(int id) const {
    char text[256] = {};
    GetWindowTextA(Of(id), text, sizeof text);
    return text;
  }
  bool Enabled(int id) const { return IsWindowEnabled(Of(id)) != FALSE; }
  static std::string Stamp(const SYSTEMTIME& st) {
    char text[32];
    wsprintfA(text, "%04d-%02d-%02d %02d:%02d:%02d", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return text;
  }
  std::string Picker(int id) const {
    SYSTEMTIME st{};
    SendMessageA(Of(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    return Stamp(st);
  }
  // Each row as "name|end|remaining".
  Strings Rows() const {
    Strings rows;
    for (int i = 0; i < m_cd.m_list.GetItemCount(); ++i)
      rows.push_back(m_cd.m_list.GetItemText(i, 0) + "|" + m_cd.m_list.GetItemText(i, 1) + "|" +
                     m_cd.m_list.GetItemText(i, 2));
    return rows;
  }
  static std::string Row(const char* name, const COleDateTime& end, const char* remaining) {
    return std::string(name) + "|" + DateText(end) + " " + DateText(end, DateTextForm::TimeOnly) + "|" + remaining;
  }
  // The counters' names in list order, the deleted ones as "-".
  Strings Names() const {
    Strings names;
    for (const DateRecord& record : m_dlg->m_counters) names.push_back(record.active ? record.name : "-");
    return names;
  }

  CPPCountDown m_cd{nullptr};
  std::string m_dir;
};

TEST_F(CountdownTest, ColumnsAndButtonsAtStart) {
  RunPage([&] {
    const struct { const char* heading; int width; int format; } kColumns[] = {
        {"Counter", 240, LVCFMT_LEFT}, {"End Date Time", 140, LVCFMT_LEFT}, {"Remaining Time", 100, LVCFMT_RIGHT}};
    for (int i = 0; i < 3; ++i) {
      char heading[64] = {};
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      column.pszText = heading;
      column.cchTextMax = sizeof heading;
      ASSERT_TRUE(SendMessageA(Of(IDC_CD_LIST), LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
      EXPECT_STREQ(heading, kColumns[i].heading);
      // Wider only where the heading, or a late evening's end, needs it in the list's font.
      EXPECT_GE(column.cx, ScaleForDpi(kColumns[i].width, m_cd.GetDpi()));
      if (i == 1) {
        EXPECT_GE(column.cx, m_cd.m_list.HeadingWidth(EndText({2026, 12, 19, 23, 11, 8})));
      }
      EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, kColumns[i].format);
    }
    EXPECT_TRUE(Enabled(IDC_CD_ADD));
    EXPECT_FALSE(Enabled(IDC_CD_UPDATE) || Enabled(IDC_CD_DELETE) || Enabled(IDC_CD_SAVE));
    EXPECT_EQ(GetWindowLongA(Of(IDC_CD_ENDDAY), GWL_STYLE) & DTS_APPCANPARSE, DTS_APPCANPARSE);
    EXPECT_EQ(GetWindowLongA(Of(IDC_CD_ENDTIME), GWL_STYLE) & DTS_APPCANPARSE, DTS_APPCANPARSE);
    EXPECT_EQ(Picker(IDC_CD_ENDDAY), Picker(IDC_CD_ENDTIME));
  });
}

TEST_F(CountdownTest, RowsCountDownAndExpire) {
  const COleDateTime now = Now();
  const COleDateTime soon = now.AddDays(59.0 / 86400);
  const COleDateTime later = now.AddDays(1 + (2 * 3600 + 3 * 60 + 4) / 86400.0);
  const COleDateTime invalid(0.0, COleDateTime::invalid);
  RunPage([&] {
    AddCounter("Now", now);
    AddCounter("Soon", soon);
    AddCounter("Later", later);
    AddCounter("Broken", invalid);
    m_cd.RefreshCounters();
    const std::string broken = "Broken|Invalid DateTime Invalid DateTime|Expired";
    EXPECT_EQ(Rows(), (Strings{Row("Now", now, "Expired"), Row("Soon", soon, "0d 00:00:59"),
                               Row("Later", later, "1d 02:03:04"), broken}));
    Tick(58);
    EXPECT_EQ(Rows()[1], Row("Soon", soon, "0d 00:00:01"));
    Tick(1);
    EXPECT_EQ(Rows()[1], Row("Soon", soon, "Expired"));
    EXPECT_EQ(Rows()[2], Row("Later", later, "1d 02:02:05"));
  });
}

// The row the list draws after a tick shows the tick's time left, not that
// of a later reading.
TEST_F(CountdownTest, RowsShowTheTicksOneReadingOfTheClock) {
  const COleDateTime end = Now().AddDays(1);
  RunPage([&] {
    AddCounter("Later", end);
    m_cd.RefreshCounters();
    SetClockSource(&RunningClock);
    Tick();
    SetClockSource(&MovableClock);
    EXPECT_EQ(Rows(), Strings{Row("Later", end, "1d 00:00:00")});
  });
}

TEST_F(CountdownTest, TicksSetOnlyWhatChangedAndLeaveTheEditorAlone) {
  RunPage([&] {
    AddCounter("Past", Now().AddDays(-1));
    AddCounter("Future", Now().AddDays(10));
    m_cd.RefreshCounters();
    ListMessages list(Of(IDC_CD_LIST));
    ClickRow(1);
    SetFocus(Of(IDC_CD_NAME));
    Type(IDC_CD_NAME, "Half");
    SendMessageA(Of(IDC_CD_NAME), EM_SETSEL, 2, 2);
    SetPicker(IDC_CD_ENDDAY, COleDateTime(2010, 7, 8, 9, 10, 11));
    Tick();
    list.count.clear();
    Tick();
    EXPECT_EQ(list.Take(LVM_REDRAWITEMS) + list.Take(LVM_SETITEMTEXTA), 0);
    Tick(1);
    EXPECT_EQ(list.Take(LVM_REDRAWITEMS), 1);  // the future counter's time left
    EXPECT_EQ(list.Take(LVM_SETITEMTEXTA), 0);
    EXPECT_EQ(Text(IDC_CD_NAME), "Half");
    DWORD from = 0, to = 0;
    SendMessageA(Of(IDC_CD_NAME), EM_GETSEL, WPARAM(&from), LPARAM(&to));
    EXPECT_EQ(from, 2u);
    EXPECT_EQ(to, 2u);
    EXPECT_EQ(GetFocus(), Of(IDC_CD_NAME));
    EXPECT_EQ(Picker(IDC_CD_ENDDAY), "2010-07-08 09:10:11");
    EXPECT_EQ(m_cd.m_list.GetNextItem(-1), 1);

    // Out of sight the rows wait; drawn again, they are up to date.
    ShowWindow(m_dlg->GetSafeHwnd(), SW_HIDE);
    Tick(60);
    EXPECT_EQ(list.Take(LVM_REDRAWITEMS) + list.Take(LVM_SETITEMTEXTA), 0);
    ShowWindow(m_dlg->GetSafeHwnd(), SW_SHOW);
    RedrawWindow(Of(IDC_CD_LIST), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(m_cd.m_list.GetItemText(1, 2), "9d 23:58:59");

    // A deletion removes one row and inserts none.
    Command(IDC_CD_DELETE);
    EXPECT_EQ(list.Take(LVM_DELETEITEM), 1);
    EXPECT_EQ(list.Take(LVM_INSERTITEMA), 0);
    EXPECT_EQ(list.Take(LVM_DELETEALLITEMS), 0);
  });
}

TEST_F(CountdownTest, AddUpdateDeleteAndPick) {
  RunPage([&] {
    const COleDateTime now = Now();
    Add("C", now.AddDays(3));
    Add("A", now.AddDays(1));
    Add("B", now.AddDays(2));
    EXPECT_EQ(Names(), (Strings{"A", "B", "C"}));
    EXPECT_TRUE(Enabled(IDC_CD_SAVE));
    EXPECT_FALSE(Enabled(IDC_CD_UPDATE) || Enabled(IDC_CD_DELETE));

    ClickRow(2);
    EXPECT_EQ(Text(IDC_CD_NAME), "C");
    EXPECT_TRUE(Enabled(IDC_CD_UPDATE) && Enabled(IDC_CD_DELETE));
    // Before the first row, yet the rows keep their order until the next sort.
    Type(IDC_CD_NAME, "C2");
    SetEnd(now.AddDays(0.5));
    Press(IDC_CD_UPDATE);
    EXPECT_EQ(Names(), (Strings{"A", "B", "C2"}));
    EXPECT_EQ(Rows()[2], Row("C2", now.AddDays(0.5), "0d 12:00:00"));

    ClickRow(-1);  // the empty area: C2 stays picked
    Press(IDC_CD_DELETE);
    EXPECT_EQ(Names(), (Strings{"A", "B", "-"}));
    EXPECT_EQ(Rows().size(), 2u);
    EXPECT_EQ(m_cd.m_list.GetItemText(1, 0), "B");

    Add("D", now.AddDays(1.5));
    EXPECT_EQ(Names(), (Strings{"-", "A", "D", "B"}));
    for (const char* name : {"A", "D", "B"}) {
      ClickRow(0);
      EXPECT_EQ(Text(IDC_CD_NAME), name);
      Press(IDC_CD_DELETE);
    }
    EXPECT_EQ(m_cd.m_list.GetItemCount(), 0);
  });
}

TEST_F(CountdownTest, PickersGiveTheEndOneItsDateTheOtherItsTime) {
  RunPage([&] {
    SetPicker(IDC_CD_ENDDAY, COleDateTime(2004, 5, 1, 23, 59, 59));
    SetPicker(IDC_CD_ENDTIME, COleDateTime(1999, 1, 1, 8, 15, 30));
    Press(IDC_CD_ADD);
    ASSERT_EQ(m_dlg->m_counters.size(), 1u);
    EXPECT_EQ(m_dlg->m_counters.front().date, COleDateTime(2004, 5, 1, 8, 15, 30));

    // An end that is no date shows as now, which Update would then write.
    AddCounter("Broken", COleDateTime(0.0, COleDateTime::invalid));
    m_cd.RefreshCounters();
    ClickRow(1);
    EXPECT_EQ(Text(IDC_CD_NAME), "Broken");
    EXPECT_EQ(Picker(IDC_CD_ENDDAY), Stamp(SystemTimeOf(Now())));
    EXPECT_EQ(Picker(IDC_CD_ENDTIME), Stamp(SystemTimeOf(Now())));

    // Typed text is read as a list date; each picker takes its own part.
    SetPicker(IDC_CD_ENDDAY, COleDateTime(2010, 7, 8, 9, 10, 11));
    SetPicker(IDC_CD_ENDTIME, COleDateTime(2010, 7, 8, 9, 10, 11));
    const struct { int id; const char* typed; const char* value; } kCases[] = {
        {IDC_CD_ENDDAY, "2004/05/01", "2004-05-01 09:10:11"},
        {IDC_CD_ENDDAY, "2004/05/01 18:30:15", "2004-05-01 09:10:11"},
        {IDC_CD_ENDDAY, "no date", "2010-07-08 09:10:11"},
        {IDC_CD_ENDTIME, "2004/05/01 18:30:15", "2010-07-08 18:30:15"},
        {IDC_CD_ENDTIME, "tea time", "2010-07-08 09:10:11"},
    };
    for (const auto& c : kCases) {
      NMDATETIMESTRINGA nm{};
      nm.nmhdr = NMHDR{Of(c.id), UINT_PTR(c.id), UINT(DTN_USERSTRINGA)};
      nm.pszUserString = c.typed;
      SendMessageA(m_cd.GetSafeHwnd(), WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&nm));
      EXPECT_EQ(Stamp(nm.st), c.value) << c.typed;
      EXPECT_EQ(nm.dwFlags, DWORD(GDT_VALID));
    }
  });
}

TEST_F(CountdownTest, SaveWritesEndsToTheSecondAndReloadsSorted) {
  RunPage([&] {
    Add("Late", COleDateTime(2004, 5, 1, 18, 0, 0));
    Add("Early", COleDateTime(2004, 5, 1, 9, 0, 0));
    Add("Gone", COleDateTime(2004, 6, 1, 0, 0, 0));
    ClickRow(2);
    Press(IDC_CD_DELETE);
    ClickRow(0);
    Type(IDC_CD_NAME, "Moved");
    SetEnd(COleDateTime(2004, 5, 2, 7, 0, 5));
    Press(IDC_CD_UPDATE);
    Type(IDC_LIST_LOCATION, File("c.tvc"));
    Press(IDC_CD_SAVE);
    EXPECT_EQ(ReadBytes(File("c.tvc")),
              "!Version: 1.0\r\nMoved|2004/05/02 07:00:05\r\nLate|2004/05/01 18:00:00\r\n");
    EXPECT_EQ(m_settings.GetText("CounterFile"), File("c.tvc"));
    EXPECT_EQ(Names(), (Strings{"Late", "Moved"}));
    EXPECT_EQ(m_cd.m_list.GetItemText(0, 0), "Late");
    EXPECT_FALSE(Enabled(IDC_CD_SAVE) || Enabled(IDC_CD_UPDATE) || Enabled(IDC_CD_DELETE));

    // The rows were replaced: the row picked before the save is no longer
    // picked, and neither is it after a load.
    Type(IDC_CD_NAME, "Stray");
    Command(IDC_CD_UPDATE);
    Command(IDC_CD_DELETE);
    EXPECT_EQ(Names(), (Strings{"Late", "Moved"}));
    ClickRow(1);
    Press(IDC_CD_LOAD);
    Type(IDC_CD_NAME, "Stray");
    Command(IDC_CD_UPDATE);
    Command(IDC_CD_DELETE);
    EXPECT_EQ(Names(), (Strings{"Late", "Moved"}));
    EXPECT_EQ(m_cd.m_list.GetNextItem(-1), -1);
    EXPECT_TRUE(boxes.empty());
  });
}

TEST_F(CountdownTest, BrowseCancelledChangesNothingChosenLoads) {
  WriteBytes(File("b.tvc"), "!Version: 1.0\r\nB|2004/05/01 10:00:00\r\n");
  RunPage([&] {
    Add("Mine", COleDateTime(2004, 1, 1, 0, 0, 0));
    ClickRow(0);
    SetOpenFileHook([](OPENFILENAMEA&) { return false; });
    Press(IDC_LIST_BROWSE);
    EXPECT_EQ(Names(), Strings{"Mine"});
    EXPECT_TRUE(Enabled(IDC_CD_SAVE) && Enabled(IDC_CD_UPDATE));
    EXPECT_TRUE(boxes.empty());

    const std::string chosen = File("b.tvc");
    SetOpenFileHook([&](OPENFILENAMEA& ofn) { return lstrcpynA(ofn.lpstrFile, chosen.c_str(), ofn.nMaxFile) != nullptr; });
    Press(IDC_LIST_BROWSE);
    EXPECT_EQ(Names(), Strings{"B"});
    EXPECT_EQ(Text(IDC_LIST_LOCATION), chosen);
    EXPECT_FALSE(Enabled(IDC_CD_SAVE) || Enabled(IDC_CD_UPDATE) || Enabled(IDC_CD_DELETE));
  });
}

// The exit prompt asks about the counters too, and a failed save keeps
// the program on this page with the counters unsaved.
TEST_F(CountdownTest, ExitAsksToSaveChangedCounters) {
  const std::string question = "Countdown counters have been changed.\nDo you want to save them to file ?";
  SetMessageBoxHook([this](const MessageBoxCall& call) {
    boxes.push_back(call);
    return call.type & MB_YESNO ? IDYES : IDOK;
  });
  const auto exitWith = [&](const std::string& location) {
    Type(IDC_LIST_LOCATION, location);
    ClickRow(-1);  // any handler takes the location from its field
    m_dlg->SetActivePage(0);
    boxes.clear();
    SendMessageA(m_dlg->GetSafeHwnd(), WM_SYSCOMMAND, kSysCommandExit, 0);
  };
  RunPage([&] {
    Add("Soon", Now().AddDays(1));
    exitWith(File("no such folder") + "\\c.tvc");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].text, question);
    EXPECT_EQ(m_dlg->GetActiveIndex(), 1);
    EXPECT_TRUE(m_cd.m_listChanged);

    exitWith(File("c.tvc"));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, question);
    EXPECT_TRUE(listtest::Exists(File("c.tvc")));
  });
}

}  // namespace
