// The Month by Month page's timers: today's date and the tray icon's day at
// the first tick, and the saved window state half a second after start.
#include "pages/MonthByMonthHarness.h"

#include "controls/CalendarProbe.h"
#include "framework/LocaleText.h"

namespace mbm {
namespace {

TEST_F(MonthByMonthTest, FirstTickShowsTodaysIconAndDate) {
  Run([&] {
    shell.clear();
    probe::Pump(1000);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const std::string today = DateText(now);
    EXPECT_EQ(Text(IDC_MBM_TODAY), today);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MBM_TODAY)));

    std::vector<ShellCall> modifies;
    for (const ShellCall& c : shell)
      if (c.message == NIM_MODIFY) modifies.push_back(c);
    ASSERT_EQ(modifies.size(), 1u);  // the day has not changed since
    // The day's picture at the tray's size (icons loaded shared: one handle).
    EXPECT_EQ(modifies[0].icon, LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_DAY_BASE + now.GetDay()),
                                           IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                           LR_SHARED));
    EXPECT_EQ(modifies[0].tip, "Tempovista\n" + today);
    EXPECT_EQ(m_page->m_nLastTrayDay, now.GetDay());
  });
}

TEST_F(MonthByMonthTest, TimerTicksForOtherWindowsAreIgnored) {
  Run([&] {
    shell.clear();
    MonthByMonthTimerProc(m_dlg->GetSafeHwnd(), WM_TIMER, 1, 0);
    MonthByMonthTimerProc(nullptr, WM_TIMER, 2, 0);
    EXPECT_TRUE(shell.empty());
    EXPECT_EQ(m_page->m_nLastTrayDay, -1);
  });
}

struct StartState {
  const char* what;
  LONG hide, minimised;
  int cmdShow;
  bool visible, iconic;
  LONG storedHide, storedMinimised;
};

class StartStateTest : public MonthByMonthTest, public ::testing::WithParamInterface<StartState> {};

TEST_P(StartStateTest, SavedStateIsAppliedHalfASecondAfterStart) {
  const StartState& s = GetParam();
  Store("WindowHide", s.hide);
  Store("WindowMinimised", s.minimised);
  theApp.m_nCmdShow = s.cmdShow;
  Run([&] {
    HWND main = m_dlg->GetSafeHwnd();
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    probe::Pump(1000);
    EXPECT_EQ(IsWindowVisible(main) != FALSE, s.visible);
    EXPECT_EQ(IsIconic(main) != FALSE, s.iconic);
  });
  EXPECT_EQ(Stored("WindowHide"), s.storedHide);
  EXPECT_EQ(Stored("WindowMinimised"), s.storedMinimised);
}

INSTANTIATE_TEST_SUITE_P(
    MonthByMonth, StartStateTest,
    ::testing::Values(StartState{"shown", 0, 0, SW_SHOWNORMAL, true, false, 0, 0},
                      StartState{"hidden", 1, 0, SW_SHOWNORMAL, false, false, 1, 0},
                      StartState{"minimised", 0, 1, SW_SHOWNORMAL, true, true, 0, 1},
                      StartState{"run minimised", 0, 0, SW_SHOWMINNOACTIVE, true, true, 0, 1},
                      StartState{"hidden wins", 1, 0, SW_MINIMIZE, false, false, 1, 1}),
    [](const ::testing::TestParamInfo<StartState>& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

}  // namespace
}  // namespace mbm
