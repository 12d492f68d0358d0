// The window helpers and timers with a timer procedure.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/CWnd.h"

namespace {

struct Window : ::testing::Test {
  CWnd wnd;
  void SetUp() override {
    wnd.m_hWnd = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 200, 20, wnd.m_hWnd,
                    reinterpret_cast<HMENU>(5), nullptr, nullptr);
  }
  void TearDown() override { DestroyWindow(wnd.m_hWnd); }
};

TEST_F(Window, ItemHelpers) {
  const std::string longText(5000, 'q');
  wnd.SetDlgItemText(5, longText);
  EXPECT_EQ(wnd.GetDlgItemText(5), longText);
  wnd.SetDlgItemText(5, "");
  EXPECT_EQ(wnd.GetDlgItemText(5), "");
  EXPECT_EQ(wnd.GetDlgItemText(6), "");  // no such control
  wnd.EnableItem(5, false);
  EXPECT_FALSE(IsWindowEnabled(wnd.GetDlgItem(5)));
  wnd.ShowItem(5, false);
  EXPECT_FALSE(GetWindowLongA(wnd.GetDlgItem(5), GWL_STYLE) & WS_VISIBLE);
  wnd.EnableItem(6, true);  // missing controls are ignored
  wnd.ShowItem(6, true);
}

std::vector<std::pair<HWND, UINT_PTR>> g_ticks;
void CALLBACK Tick(HWND hwnd, UINT, UINT_PTR id, DWORD) { g_ticks.emplace_back(hwnd, id); }

void Pump(DWORD ms) {
  DWORD end = GetTickCount() + ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
}

TEST_F(Window, TimerCallsItsProcedureUntilKilled) {
  g_ticks.clear();
  EXPECT_EQ(wnd.SetTimer(2, 20, Tick), 2u);
  Pump(200);
  wnd.KillTimer(2);
  ASSERT_FALSE(g_ticks.empty());
  for (const auto& tick : g_ticks) EXPECT_EQ(tick, std::make_pair(wnd.m_hWnd, static_cast<UINT_PTR>(2)));
  const size_t ticks = g_ticks.size();
  Pump(100);
  EXPECT_EQ(g_ticks.size(), ticks);
}

}  // namespace
