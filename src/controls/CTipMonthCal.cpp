#include "controls/CTipMonthCal.h"

#include <cstddef>
#include <cstring>

#include "framework/ResourceModule.h"

namespace {

// The hit-test record in its first, 32-byte form: every comctl32 version
// accepts it, and the day is all we need from it.
constexpr UINT kHitTestV1Size = 32;
static_assert(offsetof(MCHITTESTINFO, st) + sizeof(SYSTEMTIME) == kHitTestV1Size,
              "the first hit-test record ends with the day");

bool IsDayCell(LRESULT hit) {
  const auto h = static_cast<UINT>(hit);
  return h == MCHT_CALENDARDATE || h == MCHT_CALENDARDATENEXT || h == MCHT_CALENDARDATEPREV;
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

bool IsZero(const SYSTEMTIME& st) {
  static const SYSTEMTIME zero{};
  return std::memcmp(&st, &zero, sizeof st) == 0;
}

}  // namespace

CTipMonthCal::~CTipMonthCal() {
  if (m_tip != nullptr) {
    ::DestroyWindow(m_tip);
    m_tip = nullptr;
  }
  m_tips.clear();
}

void CTipMonthCal::ClearTips() { m_tips.clear(); }

void CTipMonthCal::AddTip(const SYSTEMTIME& day, const std::string& text) {
  m_tips.push_back(CalendarTip{day, text});
}

bool CTipMonthCal::SetCurSel(const SYSTEMTIME& day) {
  SYSTEMTIME st = day;
  return m_hWnd != nullptr && ::SendMessageA(m_hWnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st)) != 0;
}

int CTipMonthCal::EarliestYear() {
  // The platform's calendar does not change during a run: asked once.
  static const int year = AskEarliestYear();
  return year;
}

int CTipMonthCal::AskEarliestYear() {
  // A calendar tells its earliest day only as the start of a range set on
  // it, so a hidden one is asked which years' last day it takes.
  HWND probe = ::CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
  int low = 100, high = 9999;
  while (probe != nullptr && low < high) {
    const int year = low + (high - low) / 2;
    SYSTEMTIME last{};
    last.wYear = static_cast<WORD>(year);
    last.wMonth = 12;
    last.wDay = 31;
    if (::SendMessageA(probe, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&last)) != 0) {
      high = year;
    } else {
      low = year + 1;
    }
  }
  if (probe != nullptr) ::DestroyWindow(probe);
  return low;
}

TOOLINFOA CTipMonthCal::ToolInfo(const char* text) const {
  // The first tooltip record size is understood by every comctl32 and
  // carries all the fields used here.
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.uFlags = TTF_IDISHWND;
  ti.hwnd = m_hWnd;
  ti.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
  ti.lpszText = const_cast<char*>(text);
  return ti;
}

void CTipMonthCal::PreSubclassWindow() {
  if (m_tip == nullptr) {
    m_tip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                              ResourceModule(), nullptr);
  }
  if (m_tip == nullptr) return;
  TOOLINFOA ti = ToolInfo("Calendar Tooltip");
  ::SendMessageA(m_tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  // A maximum width makes it a multi-line tooltip: line breaks in a day's
  // text start new lines.
  ::SendMessageA(m_tip, TTM_SETMAXTIPWIDTH, 0, 0x7FFF);
}

LRESULT CTipMonthCal::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MOUSEMOVE) OnMouseMove(wParam, lParam);
  if (msg == WM_DESTROY) {
    // The tooltip goes with its owner; a calendar made again gets a new one.
    if (m_tip != nullptr) ::DestroyWindow(m_tip);
    m_tip = nullptr;
    m_lastHit = SYSTEMTIME{};
  }
  return CSubclassedWnd::WindowProc(msg, wParam, lParam);
}

void CTipMonthCal::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  if (m_tip == nullptr) return;
  MCHITTESTINFO hit{};
  hit.cbSize = kHitTestV1Size;
  hit.pt.x = static_cast<short>(LOWORD(lParam));
  hit.pt.y = static_cast<short>(HIWORD(lParam));
  const LRESULT where = ::SendMessageA(m_hWnd, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));

  if (!IsDayCell(where)) {
    m_lastHit = SYSTEMTIME{};
    ::SendMessageA(m_tip, TTM_ACTIVATE, FALSE, 0);
    return;
  }
  // Within the same day nothing changes, so the tooltip is not re-shown.
  if (std::memcmp(&hit.st, &m_lastHit, sizeof hit.st) == 0) return;

  ::SendMessageA(m_tip, TTM_ACTIVATE, FALSE, 0);
  for (const CalendarTip& tip : m_tips) {
    if (IsZero(tip.day) || !SameDay(tip.day, hit.st)) continue;
    ::SendMessageA(m_tip, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOA ti = ToolInfo(tip.text.c_str());
    ::SendMessageA(m_tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    MSG move{};
    move.hwnd = m_hWnd;
    move.message = WM_MOUSEMOVE;
    move.wParam = wParam;
    move.lParam = lParam;
    move.time = ::GetMessageTime();
    move.pt = hit.pt;
    ::ClientToScreen(m_hWnd, &move.pt);
    ::SendMessageA(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
  }
  m_lastHit = hit.st;
}
