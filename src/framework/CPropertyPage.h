#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

// A property page made from a dialog template. The page procedure finds the
// object through PROPSHEETPAGE::lParam at WM_INITDIALOG and dispatches to
// the virtual handlers; no exception crosses it.
class CPropertyPage : public CWnd {
 public:
  explicit CPropertyPage(UINT templateId);
  ~CPropertyPage() override = default;

  PROPSHEETPAGEA* GetPSP() { return &m_psp; }

  // Runs DoDataExchange: true reads controls into members, false writes
  // members into controls.
  bool UpdateData(bool saveAndValidate);

 protected:
  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  virtual BOOL OnInitDialog();  // writes controls; true lets the sheet set focus
  // Becoming the active page: writes controls, except at the first activation.
  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();  // reads controls
  // WM_COMMAND; true when handled.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  // WM_NOTIFY from a control (the sheet's PSN_ notifications are handled
  // here and call OnSetActive / OnKillActive); true when handled.
  virtual bool OnNotify(int id, NMHDR* header, LRESULT* result);
  // Any other message; set handled to answer it with the returned value.
  virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM);
  INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

  PROPSHEETPAGEA m_psp{};
  bool m_bFirstSetActive = true;
};
