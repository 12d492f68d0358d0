#pragma once
// Hosts the real Month by Month page in the real main window, under a
// settings key of the tests' own, with the shell, the message boxes and
// the clock behind their test seams, and drives it as a user would.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "base/Clock.h"
#include "base/ProgramNames.h"
#include "framework/CWnd.h"
#include "framework/Prompt.h"
#include "framework/ShellNotify.h"
#include "pages/CListFilePage.h"
#include "pages/CPPMonthByMonth.h"
#include "resource.h"
#include "support/ShellSeamFromEnv_win.h"
#include "support/StepRunner_win.h"
#include "support/TestSettings_win.h"

namespace mbm {

constexpr const char* kKey = "Software\\QRV\\TempovistaTests\\MonthByMonth\\";

// Wednesday 15 January 2003, 10:30 UTC.
constexpr int64_t kNow = 1042626600;
inline int64_t FixedClock() { return kNow * 1000; }

inline SYSTEMTIME Day(int year, int month, int day) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  return st;
}

struct ShellCall {
  DWORD message;
  HICON icon;
  std::string tip;
};

class MonthByMonthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    theApp.m_nCmdShow = SW_SHOWNORMAL;
    theApp.m_hInstance = GetModuleHandleA(nullptr);
    SetClockSource(&FixedClock);
    SetShellNotifyHook([this](DWORD message, const NOTIFYICONDATAW& data) {
      shell.push_back(ShellCall{message, data.hIcon, FieldText(data.szTip, ARRAYSIZE(data.szTip))});
      return TRUE;
    });
    SetMessageBoxHook([this](const MessageBoxCall& call) {
      boxes.push_back(call);
      return IDOK;
    });
  }
  void TearDown() override {
    SetMessageBoxHook(nullptr);
    SetShellNotifyHook(nullptr);
    SetClockSource(nullptr);
    theApp.m_nCmdShow = SW_SHOWNORMAL;
  }

  void Store(const char* name, LONG value) { m_settings.SetNumber(name, value); }
  LONG Stored(const char* name) { return m_settings.GetNumber(name); }

  // Runs the main window with the page (and `more` pages after it), calls
  // `body` once the modal run has started, then closes the window. The
  // fixture's list pages outlive the run: it hands them its window.
  void Run(const std::function<void()>& body, const std::vector<CPropertyPage*>& more = {}) {
    CMainDlg dlg;
    CPPMonthByMonth page(&dlg);
    dlg.AddPage(&page);
    for (CPropertyPage* other : more) {
      if (auto* listPage = dynamic_cast<CListFilePage*>(other)) listPage->m_pMainDlg = &dlg;
      dlg.AddPage(other);
    }
    m_dlg = &dlg;
    m_page = &page;
    {
      script::StepRunner runner({[&] {
                                  body();
                                  SendMessageA(dlg.GetSafeHwnd(), WM_CLOSE, 0, 0);
                                  return true;
                                }},
                                20);
      dlg.DoModal();
    }
    m_dlg = nullptr;
    m_page = nullptr;
  }

  // --- the user's actions -------------------------------------------------
  HWND Item(int id) const { return GetDlgItem(m_page->GetSafeHwnd(), id); }
  // Picks a day on a calendar of a page: the selection, then the
  // notification the calendar sends its page.
  static void PickOn(HWND page, int calendarId, int year, int month, int day) {
    SYSTEMTIME st = Day(year, month, day);
    HWND calendar = GetDlgItem(page, calendarId);
    SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    NMSELCHANGE nm{};
    nm.nmhdr.hwndFrom = calendar;
    nm.nmhdr.idFrom = static_cast<UINT_PTR>(calendarId);
    nm.nmhdr.code = MCN_SELCHANGE;
    nm.stSelStart = st;
    nm.stSelEnd = st;
    SendMessageA(page, WM_NOTIFY, calendarId, reinterpret_cast<LPARAM>(&nm));
  }
  void Pick(int calendarId, int year, int month, int day) {
    PickOn(m_page->GetSafeHwnd(), calendarId, year, month, day);
  }
  void PickStart(int y, int m, int d) { Pick(IDC_MBM_STARTCAL, y, m, d); }
  void PickEnd(int y, int m, int d) { Pick(IDC_MBM_ENDCAL, y, m, d); }
  void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
  void ChooseUnit(int index) { SendMessageA(Item(IDC_MBM_UNIT), CB_SETCURSEL, index, 0); }
  void TypeAmount(const char* text) {
    SendMessageA(Item(IDC_MBM_AMOUNT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  // The page shown again, as after the user has edited the holidays on the
  // Holidays page.
  void Activate() {
    NMHDR nm{GetParent(m_page->GetSafeHwnd()), 0, static_cast<UINT>(PSN_SETACTIVE)};
    SendMessageA(m_page->GetSafeHwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
  }
  void SetLock(bool locked) {
    if ((SendMessageA(Item(IDC_MBM_LOCK), BM_GETCHECK, 0, 0) == BST_CHECKED) != locked) Click(IDC_MBM_LOCK);
  }

  // --- what the user sees -------------------------------------------------
  std::string Text(int id) const { return WindowText(Item(id)); }
  // The day a calendar has selected, as yyyy-mm-dd.
  static std::string SelectedDay(HWND calendar) {
    SYSTEMTIME st{};
    SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    char text[32];
    wsprintfA(text, "%04d-%02d-%02d", st.wYear, st.wMonth, st.wDay);
    return text;
  }
  std::string Selected(int calendarId) const { return SelectedDay(Item(calendarId)); }
  int UnitIndex() const { return static_cast<int>(SendMessageA(Item(IDC_MBM_UNIT), CB_GETCURSEL, 0, 0)); }

  void AddHoliday(const char* name, int y, int m, int d, bool active = true) {
    DateRecord record;
    record.name = name;
    record.date.SetDate(y, m, d);
    record.active = active;
    m_dlg->m_holidays.push_back(record);
    SortByDate(m_dlg->m_holidays);
  }

  TestSettings m_settings{kKey};
  CMainDlg* m_dlg = nullptr;
  CPPMonthByMonth* m_page = nullptr;
  std::vector<ShellCall> shell;
  std::vector<MessageBoxCall> boxes;
};

}  // namespace mbm
