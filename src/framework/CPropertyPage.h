#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CDialog.h"

// A property page made from a dialog template (the tab's caption is the
// template's), on the dialog procedure of CDialog: the page is found through
// PROPSHEETPAGE::lParam at WM_INITDIALOG.
class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId);
  ~CPropertyPage() override = default;

  PROPSHEETPAGEA* GetPSP() { return &m_psp; }

 protected:
  // Becoming the active page (PSN_SETACTIVE): writes controls, except at the
  // first activation, which follows OnInitDialog. False refuses the page.
  virtual BOOL OnSetActive();
  // Leaving the page (PSN_KILLACTIVE): reads controls. False keeps the page.
  virtual BOOL OnKillActive();
  // A page ends no run: OK and Cancel are its sheet's.
  bool OnCommand(WORD id, WORD code, HWND control) override;
  // A page made again (the sheet shown a second time) starts afresh.
  void PostNcDestroy() override { m_bFirstSetActive = true; }

 private:
  static INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM);
  // PSN_SETACTIVE and PSN_KILLACTIVE always go to OnSetActive and
  // OnKillActive; any other notification to OnNotify.
  bool DispatchNotify(NMHDR* header, LRESULT* result) override;

  PROPSHEETPAGEA m_psp{};
  bool m_bFirstSetActive = true;
};
