#pragma once
#include <windows.h>
#include <commctrl.h>

#include <list>
#include <string>

#include "framework/CSubclassedWnd.h"

// One day text of a calendar: only the year, month and day of `day` take
// part in matching, and an all-zero day never matches.
struct CalendarTip {
  SYSTEMTIME day{};
  std::string text;
};

// A month calendar that shows the page's text for the day under the mouse
// in a tooltip. The page fills the texts whenever it refreshes the bold
// days; what the days mean is the page's business.
class CTipMonthCal : public CSubclassedWnd {
 public:
  ~CTipMonthCal() override;

  // Neither touches the tooltip: new texts show when the mouse next moves
  // onto another day.
  void ClearTips();
  void AddTip(const SYSTEMTIME& day, const std::string& text);

  // Selects `day`; false, keeping the old day, when the calendar refuses
  // it: each platform's calendar has its own earliest day (1601-01-01 on
  // Windows, 1752-09-14 under Wine), so only the calendar can tell.
  bool SetCurSel(const SYSTEMTIME& day);
  // The year of that earliest day, on this platform.
  static int EarliestYear();

  HWND GetToolTip() const { return m_tip; }

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static int AskEarliestYear();
  void OnMouseMove(WPARAM wParam, LPARAM lParam);
  TOOLINFOA ToolInfo(const char* text) const;

  std::list<CalendarTip> m_tips;
  HWND m_tip = nullptr;
  SYSTEMTIME m_lastHit{};
};
