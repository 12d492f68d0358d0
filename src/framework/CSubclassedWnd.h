#pragma once
#include "framework/CWnd.h"

// A dialog control subclassed by a C++ object: its messages reach
// WindowProc first; Default passes them on to the control's own procedure.
class CSubclassedWnd : public CWnd {
 public:
  ~CSubclassedWnd() override;

  // Subclasses control `id` of `parent`; PreSubclassWindow runs first.
  bool SubclassDlgItem(int id, HWND parent);
  bool SubclassWindow(HWND hwnd);
  void UnsubclassWindow();

 protected:
  virtual void PreSubclassWindow() {}
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
  WNDPROC m_oldProc = nullptr;
};
