#pragma once
// Hosts the real Holidays and Events pages after the Month by Month page in
// the real main window (see MonthByMonthHarness.h), with the list files and
// caches in a folder of the test's own, and drives them as a user would.
#include <string>
#include <vector>

#include "base/ProgramNames.h"
#include "controls/CalendarProbe.h"
#include "framework/LocaleText.h"
#include "lists/ListTestSupport_win.h"
#include "pages/CPPEvents.h"
#include "pages/CPPHolidays.h"
#include "pages/MonthByMonthHarness.h"
#include "support/WindowProbe_win.h"

namespace listpage {

using Strings = std::vector<std::string>;
constexpr int kHolidaysPage = 1;
constexpr int kEventsPage = 2;

inline MONTHDAYSTATE Bit(int day) { return 1u << (day - 1); }

class ListPageTest : public mbm::MonthByMonthTest {
 protected:
  void SetUp() override {
    MonthByMonthTest::SetUp();
    m_dir = listtest::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    m_settings.SetText(setting::kHolidayCacheFile, File("cache.tvh"));
    m_settings.SetText(setting::kEventCacheFile, File("cache.tve"));
  }

  void RunPages(const std::function<void()>& body) { Run(body, {&m_hol, &m_evt}); }
  std::string File(const std::string& name) const { return m_dir + "\\" + name; }

  // Selects the page (it initialises at its first showing).
  CDateListPage& Show(int index) {
    m_dlg->SetActivePage(index);
    return index == kHolidaysPage ? static_cast<CDateListPage&>(m_hol) : m_evt;
  }
  static HWND ItemOf(const CDateListPage& page, int id) { return GetDlgItem(page.GetSafeHwnd(), id); }
  static int CalendarOf(const CDateListPage& page) {
    return GetDlgItem(page.GetSafeHwnd(), IDC_HOL_CALENDAR) ? IDC_HOL_CALENDAR : IDC_EVT_CALENDAR;
  }
  static int ListOf(const CDateListPage& page) {
    return GetDlgItem(page.GetSafeHwnd(), IDC_HOL_LIST) ? IDC_HOL_LIST : IDC_EVT_LIST;
  }

  // --- the user's actions -------------------------------------------------
  void PickDay(CDateListPage& page, int y, int m, int d) {
    PickOn(page.GetSafeHwnd(), CalendarOf(page), y, m, d);
  }
  void Type(const CDateListPage& page, int id, const std::string& text) {
    SendMessageA(ItemOf(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Press(const CDateListPage& page, int id) { SendMessageA(ItemOf(page, id), BM_CLICK, 0, 0); }
  // A click on row `row`, or with -1 on the empty area below the rows
  // (which leaves no row selected).
  void ClickRow(CDateListPage& page, int row) { probe::ClickListRow(page.GetSafeHwnd(), ListOf(page), row); }

  // --- what the user sees -------------------------------------------------
  static std::string TextOf(const CDateListPage& page, int id) { return WindowText(ItemOf(page, id)); }
  static bool Enabled(const CDateListPage& page, int id) {
    return IsWindowEnabled(ItemOf(page, id)) != FALSE;
  }
  // Each row as "name|date text".
  static Strings Rows(const CDateListPage& page) {
    Strings rows;
    const int count = page.m_list.GetItemCount();
    for (int i = 0; i < count; ++i)
      rows.push_back(page.m_list.GetItemText(i, 0) + "|" + page.m_list.GetItemText(i, 1));
    return rows;
  }
  static std::string Row(const std::string& name, int y, int m, int d) {
    return name + "|" + DateText(COleDateTime(y, m, d, 0, 0, 0));
  }
  std::string SelectedOn(const CDateListPage& page) const {
    return SelectedDay(ItemOf(page, CalendarOf(page)));
  }
  static std::vector<MONTHDAYSTATE> LastDayStates(const probe::Watcher& watch) {
    const auto calls = watch.Of(MCM_SETDAYSTATE);
    return calls.empty() ? std::vector<MONTHDAYSTATE>{} : calls.back().days;
  }

  CPPHolidays m_hol{nullptr};
  CPPEvents m_evt{nullptr};
  std::string m_dir;
};

}  // namespace listpage
