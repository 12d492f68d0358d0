#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

// A property page made from a dialog template (the tab's caption is the
// template's). The page procedure finds the object through
// PROPSHEETPAGE::lParam at WM_INITDIALOG and dispatches to the virtual
// handlers; no exception crosses it (a throwing handler counts as not
// handled). m_hWnd is set from WM_INITDIALOG until the page is destroyed.
class CPropertyPage : public CWnd {
 public:
  explicit CPropertyPage(UINT templateId);
  ~CPropertyPage() override = default;

  PROPSHEETPAGEA* GetPSP() { return &m_psp; }

  // Runs DoDataExchange: true reads controls into members, false writes
  // members into controls. False when the page has no window.
  bool UpdateData(bool saveAndValidate);

 protected:
  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  virtual BOOL OnInitDialog();  // writes controls; true lets the dialog manager set focus
  // Becoming the active page (PSN_SETACTIVE): writes controls, except at the
  // first activation, which follows OnInitDialog. False refuses the page.
  virtual BOOL OnSetActive();
  // Leaving the page (PSN_KILLACTIVE): reads controls. False keeps the page.
  virtual BOOL OnKillActive();
  // WM_COMMAND; true when handled.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  // WM_NOTIFY other than PSN_SETACTIVE / PSN_KILLACTIVE (those always go to
  // OnSetActive / OnKillActive); set *result and answer true when handled.
  virtual bool OnNotify(int id, NMHDR* header, LRESULT* result);
  // Any other message; set handled to answer it with the returned value
  // (the page procedure puts it where the dialog manager expects it).
  virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM);
  INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR DispatchNotify(NMHDR* header);

  PROPSHEETPAGEA m_psp{};
  bool m_bFirstSetActive = true;
};
