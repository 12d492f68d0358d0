// Timing harness under Wine (not a test): the Holidays page of the real main
// window with 100,000 holidays, and the time a calendar change takes (the
// rows, bold days and day texts rebuilt), as the user moves from month to
// month. Settings go to a key of the harness's own.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchHost_win.h"
#include "app/CMainDlg.h"
#include "pages/CPPHolidays.h"
#include "resource.h"

namespace {

const int kHolidays = 100000;
const int kChanges = 48;  // four years, month by month
CMainDlg* g_dlg = nullptr;
CPPHolidays* g_page = nullptr;
std::vector<double> g_handler;  // the page's handler
std::vector<double> g_painted;  // the handler and the painting that follows

// The user picks the 15th of the next month: the selection, then the
// notification the calendar sends its page.
void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND page = g_page->GetSafeHwnd();
  HWND cal = GetDlgItem(page, IDC_HOL_CALENDAR);
  for (int i = 0; i < kChanges; ++i) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(2001 + i / 12);
    st.wMonth = static_cast<WORD>(1 + i % 12);
    st.wDay = 15;
    const double start = BenchHost::NowMs();
    SendMessageA(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    NMSELCHANGE nm{};
    nm.nmhdr.hwndFrom = cal;
    nm.nmhdr.idFrom = IDC_HOL_CALENDAR;
    nm.nmhdr.code = MCN_SELCHANGE;
    nm.stSelStart = st;
    nm.stSelEnd = st;
    SendMessageA(page, WM_NOTIFY, IDC_HOL_CALENDAR, reinterpret_cast<LPARAM>(&nm));
    g_handler.push_back(BenchHost::NowMs() - start);
    RedrawWindow(page, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    g_painted.push_back(BenchHost::NowMs() - start);
  }
  std::printf("rows shown in the last month: %d\n", g_page->m_list.GetItemCount());
  SendMessageA(g_dlg->GetSafeHwnd(), WM_CLOSE, 0, 0);
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  std::printf("  %-22s median %.2f ms, mean %.2f ms, max %.2f ms\n", what, times[times.size() / 2],
              sum / double(times.size()), times.back());
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  BenchHost host;
  CMainDlg dlg;
  CPPHolidays page(&dlg);
  dlg.AddPage(&page);
  // One holiday a day, from 1850 on: the list spans some 274 years, sorted.
  for (int i = 0; i < kHolidays; ++i) {
    COleDateTime date(1850, 1, 1, 0, 0, 0);
    dlg.m_holidays.push_back(DateRecord{"Holiday " + std::to_string(i), date.AddDays(i), true});
  }
  theApp.m_pMainWnd = &dlg;
  g_dlg = &dlg;
  g_page = &page;
  SetTimer(nullptr, 0, 200, &Drive);
  dlg.DoModal();

  if (g_handler.empty()) return 1;
  std::printf("Holidays page, %d holidays, %d calendar changes:\n", kHolidays, kChanges);
  Report("handler", g_handler);
  Report("handler and painting", g_painted);
  return 0;
}
