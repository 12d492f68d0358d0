// Timing harness under Wine (not a test): the Countdowns page in the real
// main window with 1,000 and 10,000 active counters. Per refresh: when no
// text changed, and when every counter's time left changed (rewritten in
// place, with and without the list's repaint). Then the CPU time the
// process takes over ten seconds of the page's own twice-a-second ticks on
// the real clock, with the window shown and hidden, the main window's
// countdown notifications on; and hidden again while ten counters end, one
// a second, each with its balloon. Settings go to a key of the harness's
// own.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "BenchHost_win.h"
#include "app/CMainDlg.h"
#include "base/Clock.h"
#include "pages/CPPCountDown.h"
#include "resource.h"

namespace {

int64_t g_seconds = 0;
int64_t BenchClock() { return g_seconds * 1000; }

CMainDlg* g_dlg = nullptr;
CPPCountDown* g_page = nullptr;

template <class Step>
double AverageMs(int runs, Step step) {
  const double start = BenchHost::NowMs();
  for (int i = 0; i < runs; ++i) step();
  return (BenchHost::NowMs() - start) / runs;
}

double ProcessCpuMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(kernel) + ticks(user)) / 10000.0;
}

// Dispatches messages (the page's ticks among them) for `ms`.
void RunLoop(DWORD ms) {
  const DWORD until = GetTickCount() + ms;
  for (DWORD now = GetTickCount(); int(until - now) > 0; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

void ReportCpu(const char* state) {
  const double cpu = ProcessCpuMs();
  const DWORD wall = 10000;
  RunLoop(wall);
  const double used = ProcessCpuMs() - cpu;
  std::printf("  CPU over %u s of ticks, %s: %.1f ms (%.2f %% of one core)\n", unsigned(wall / 1000), state, used,
              100.0 * used / wall);
}

void Tick() { CountdownTimerProc(g_page->GetSafeHwnd(), WM_TIMER, g_page->m_nTimer, 0); }

void Measure(int count) {
  HWND window = g_dlg->GetSafeHwnd();
  HWND list = GetDlgItem(g_page->GetSafeHwnd(), IDC_CD_LIST);
  ShowWindow(window, SW_SHOW);
  SetClockSource(&BenchClock);
  g_seconds = time(nullptr);
  const COleDateTime now = COleDateTime::GetCurrentTime();
  g_dlg->m_counters.clear();
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "Counter %d", i);
    g_dlg->m_counters.push_back(DateRecord{name, now.AddDays(1 + i * (37.0 / 86400)), true});
  }
  std::printf("%d active counters:\n", count);
  std::printf("  first fill:                    %8.2f ms\n", AverageMs(1, [] { g_page->RefreshCounters(); }));
  std::printf("  tick, nothing changed:         %8.3f ms\n", AverageMs(20, [] { Tick(); }));
  std::printf("  tick, every time left changed: %8.3f ms\n", AverageMs(20, [] {
                ++g_seconds;
                Tick();
              }));
  std::printf("  the same, with the repaint:    %8.3f ms\n", AverageMs(20, [list] {
                ++g_seconds;
                Tick();
                UpdateWindow(list);
              }));
  ShowWindow(window, SW_HIDE);
  std::printf("  tick, window hidden:           %8.4f ms\n", AverageMs(20, [] {
                ++g_seconds;
                Tick();
              }));

  SetClockSource(nullptr);  // the page's own timer on the real clock
  g_dlg->OnListChanged(DateListKind::Counters);
  for (bool shown : {true, false}) {
    ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
    RunLoop(1000);
    ReportCpu(shown ? "shown " : "hidden");
  }
  const COleDateTime soon = COleDateTime::GetCurrentTime();
  auto counter = g_dlg->m_counters.begin();
  for (int i = 0; i < 10; ++i, ++counter) counter->date = soon.AddDays((2 + i) / 86400.0);
  g_dlg->OnListChanged(DateListKind::Counters);
  ReportCpu("hidden, ten ends");
}

void CALLBACK Driver(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_dlg->SetActivePage(0);
  for (int count : {1000, 10000}) Measure(count);
  SendMessageA(g_dlg->GetSafeHwnd(), WM_CLOSE, 0, 0);
}

}  // namespace

int main() {
  BenchHost host;
  CMainDlg dlg;
  CPPCountDown page(&dlg);
  dlg.AddPage(&page);
  theApp.m_pMainWnd = &dlg;
  g_dlg = &dlg;
  g_page = &page;
  SetTimer(nullptr, 0, 100, &Driver);
  dlg.DoModal();
  return 0;
}
