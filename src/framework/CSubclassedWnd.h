#pragma once
#include <windows.h>

#include "framework/CWnd.h"

// A dialog control subclassed by a C++ object: its messages reach
// WindowProc first; Default passes them on to the control's own procedure
// (and to any other subclass installed before ours). Built on comctl32's
// SetWindowSubclass, so several subclasses of one control (say, a test's and
// ours) can come and go in any order. The subclass ends by itself when the
// control is destroyed; GetSafeHwnd is then nullptr again.
class CSubclassedWnd : public CWnd {
 public:
  ~CSubclassedWnd() override;

  // Subclasses control `id` of `parent`; PreSubclassWindow runs first, with
  // m_hWnd already set. False when there is no such control or this object
  // already subclasses a window.
  bool SubclassDlgItem(int id, HWND parent);
  bool SubclassWindow(HWND hwnd);
  void UnsubclassWindow();

 protected:
  virtual void PreSubclassWindow() {}
  // Exceptions thrown here are caught at the procedure's edge; the message
  // then gets the control's own answer.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Only meaningful inside WindowProc, for the message being handled.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};
