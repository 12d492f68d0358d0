#pragma once
#include <windows.h>

#include "framework/CWnd.h"

// A window subclassed by a C++ object: its messages reach WindowProc first;
// Default passes them on to the window's own procedure. The subclass is an
// ANSI one, so text messages (WM_SETTEXT, WM_CHAR...) arrive as the
// program's 8-bit text even on the common controls' Unicode windows.
//
// Other subclasses (comctl32's SetWindowSubclass, say a test's) may come and
// go around ours in any order: removed while another sits on top, our
// procedure stays in the chain and passes everything on, and a later
// SubclassWindow of the same window takes it up again. The subclass ends by
// itself when the window is destroyed; GetSafeHwnd is then nullptr again.
class CSubclassedWnd : public CWnd {
 public:
  ~CSubclassedWnd() override;

  // Subclasses control `id` of `parent`; PreSubclassWindow runs first, with
  // m_hWnd and the window's DPI already set. False when there is no such control, or this or
  // another object already subclasses it.
  bool SubclassDlgItem(int id, HWND parent);
  bool SubclassWindow(HWND hwnd);
  void UnsubclassWindow();

  // Hands a notification that `child` sent its parent (WM_COMMAND from a
  // control, WM_CTLCOLOR*) back to the object subclassing `child`, so that a
  // control can handle its own clicks and colours. True when it answered,
  // with the answer in *result; the parent then leaves the message alone.
  static bool ReflectToChild(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Gives `dpi` (SetDpi) to each window below `parent` that an object
  // subclasses: a dialog's controls follow its DPI.
  static void SetDpiOfControls(HWND parent, UINT dpi);

 protected:
  virtual void PreSubclassWindow() {}
  // Exceptions thrown here are caught at the procedure's edge; the message
  // then gets the window's own answer.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Passes the message on to the window's own procedure.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  // After WM_NCDESTROY has ended the subclass (m_hWnd is nullptr).
  virtual void PostNcDestroy() {}
  // A notification reflected from the parent (see ReflectToChild).
  virtual bool OnChildNotify(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*result*/) {
    return false;
  }

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
  static BOOL CALLBACK SetDpiOfControl(HWND child, LPARAM dpi);
};
