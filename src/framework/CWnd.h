#pragma once
#include <windows.h>

#include <string>

// The text of any window or control; empty for no window.
std::string WindowText(HWND hwnd);

// A window handle with the few helpers the program uses.
class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd() = default;

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendDlgItemMessageA(m_hWnd, id, msg, wParam, lParam);
  }
  std::string GetWindowText() const;
  std::string GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const std::string& text) const;
  void ShowItem(int id, bool show) const;
  void EnableItem(int id, bool enable) const;

  // Message boxes owned by this window, through the prompt seam.
  int MessageBox(const std::string& text, const std::string& caption, UINT type) const;

  // The DPI the window is drawn at: its monitor's when it was made, then
  // each new one it is given; 0 before it is made.
  UINT GetDpi() const { return m_nDpi; }
  // The window is now on a monitor of `dpi`: OnDpiChanged rescales what it
  // sizes or draws itself. Given before the window is made, the DPI to make
  // it at.
  void SetDpi(UINT dpi);

  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) const {
    return ::SetTimer(m_hWnd, id, elapse, proc);
  }
  void KillTimer(UINT_PTR id) const { ::KillTimer(m_hWnd, id); }

  HWND m_hWnd = nullptr;

 protected:
  virtual void OnDpiChanged(UINT /*oldDpi*/, UINT /*newDpi*/) {}

  UINT m_nDpi = 0;
};
