#pragma once
// Test helpers for month calendars: finding a day's cell, reading and
// watching the day tooltip, and capturing the day states a calendar is
// given (no message reads them back).
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "base/NarrowText_win.h"

namespace probe {

inline LRESULT HitTest(HWND cal, POINT pt, SYSTEMTIME* day = nullptr) {
  MCHITTESTINFO hit{};
  hit.cbSize = MCHITTESTINFO_V1_SIZE;
  hit.pt = pt;
  const LRESULT where = SendMessageA(cal, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (day != nullptr) *day = hit.st;
  return where;
}

// The middle of a day's cell of the given kind (MCHT_CALENDARDATE,
// ...NEXT or ...PREV); {-1, -1} when the calendar shows no such cell. One
// coarse scan of the client area finds the cells; the point returned is the
// middle one of the scan points that hit the day, well inside its cell.
inline POINT FindDay(HWND cal, int year, int month, int day, UINT kind) {
  RECT rc;
  GetClientRect(cal, &rc);
  std::vector<POINT> hits;
  for (LONG y = 1; y < rc.bottom; y += 3) {
    for (LONG x = 1; x < rc.right; x += 3) {
      SYSTEMTIME st;
      const auto where = static_cast<UINT>(HitTest(cal, POINT{x, y}, &st));
      if (where == kind && st.wYear == year && st.wMonth == month && st.wDay == day)
        hits.push_back(POINT{x, y});
    }
  }
  if (hits.empty()) return POINT{-1, -1};
  return hits[hits.size() / 2];
}

// A point whose hit test is none of the day cells (the title, say).
inline POINT FindNonDay(HWND cal) {
  RECT rc;
  GetClientRect(cal, &rc);
  for (LONG y = 2; y < rc.bottom; y += 2) {
    for (LONG x = 2; x < rc.right; x += 2) {
      const auto where = static_cast<UINT>(HitTest(cal, POINT{x, y}));
      if (where != MCHT_CALENDARDATE && where != MCHT_CALENDARDATENEXT && where != MCHT_CALENDARDATEPREV)
        return POINT{x, y};
    }
  }
  return POINT{-1, -1};
}

inline void MouseMove(HWND cal, POINT pt) {
  SendMessageA(cal, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

// The tooltip's text for the calendar's one tool, in UTF-8: read as the
// tooltip holds it, wide.
inline std::string TipText(HWND tip, HWND cal) {
  wchar_t text[512] = {};
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V1_SIZE;
  ti.hwnd = cal;
  ti.uId = reinterpret_cast<UINT_PTR>(cal);
  ti.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, ARRAYSIZE(text), reinterpret_cast<LPARAM>(&ti));
  std::string utf8;
  NarrowText(text, wcslen(text), utf8, CP_UTF8);
  return utf8;
}

inline void Pump(DWORD ms) {
  const DWORD until = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(until - GetTickCount()) > 0);
}

// Records what is sent to a window, then passes it on. One watcher per
// window; the window's previous procedure is restored on destruction.
class Watcher {
 public:
  struct Call {
    UINT msg;
    WPARAM wParam;
    std::string text;                 // TTM_UPDATETIPTEXTA
    std::vector<MONTHDAYSTATE> days;  // MCM_SETDAYSTATE
  };

  explicit Watcher(HWND hwnd) : m_hwnd(hwnd) {
    Registry()[hwnd] = this;
    m_old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~Watcher() {
    if (IsWindow(m_hwnd)) SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_old));
    Registry().erase(m_hwnd);
  }
  Watcher(const Watcher&) = delete;
  Watcher& operator=(const Watcher&) = delete;

  std::vector<Call> calls;

  std::vector<Call> Of(UINT msg) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.msg == msg) out.push_back(c);
    return out;
  }
  // The tooltip messages of interest, as a compact trace: "A1" / "A0" for
  // activation, "T:text" for a new text, "R" for a relayed event.
  std::string TipTrace() const {
    std::string out;
    for (const Call& c : calls) {
      if (c.msg == TTM_ACTIVATE) out += c.wParam ? "A1 " : "A0 ";
      if (c.msg == TTM_UPDATETIPTEXTA) out += "T:" + c.text + " ";
      if (c.msg == TTM_RELAYEVENT) out += "R ";
    }
    return out;
  }

 private:
  static std::map<HWND, Watcher*>& Registry() {
    static std::map<HWND, Watcher*> all;
    return all;
  }
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Watcher* self = Registry().at(hwnd);
    Call call{msg, wParam, {}, {}};
    if (msg == TTM_UPDATETIPTEXTA) {
      const auto* ti = reinterpret_cast<const TOOLINFOA*>(lParam);
      if (ti->lpszText != nullptr && ti->lpszText != LPSTR_TEXTCALLBACKA) call.text = ti->lpszText;
    }
    if (msg == MCM_SETDAYSTATE) {
      const auto* words = reinterpret_cast<const MONTHDAYSTATE*>(lParam);
      call.days.assign(words, words + wParam);
    }
    if (msg == TTM_ACTIVATE || msg == TTM_UPDATETIPTEXTA || msg == TTM_RELAYEVENT || msg == MCM_SETDAYSTATE)
      self->calls.push_back(call);
    return CallWindowProcA(self->m_old, hwnd, msg, wParam, lParam);
  }

  HWND m_hwnd;
  WNDPROC m_old = nullptr;
};

}  // namespace probe
