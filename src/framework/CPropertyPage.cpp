#include "framework/CPropertyPage.h"

#include "framework/ResourceModule.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = ResourceModule();
  m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_psp.pfnDlgProc = PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive) {
    m_bFirstSetActive = false;  // OnInitDialog has just written the controls
  } else {
    UpdateData(false);
  }
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(true) ? TRUE : FALSE; }

bool CPropertyPage::OnCommand(WORD, WORD, HWND) { return false; }

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // comctl32 hands over its copy of our PROPSHEETPAGE; its lParam is the page.
  if (msg == WM_INITDIALOG) lParam = reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam;
  return DialogProc(hwnd, msg, wParam, lParam);
}

bool CPropertyPage::DispatchNotify(NMHDR* header, LRESULT* result) {
  switch (header->code) {
    case PSN_SETACTIVE:
      *result = OnSetActive() ? 0 : -1;  // -1: stay where the sheet was
      return true;
    case PSN_KILLACTIVE:
      *result = OnKillActive() ? FALSE : TRUE;  // TRUE keeps this page
      return true;
    default:
      return OnNotify(static_cast<int>(header->idFrom), header, result);
  }
}
