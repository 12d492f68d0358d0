#include "framework/CPropertyPage.h"

#include "framework/CSubclassedWnd.h"
#include "framework/ResourceModule.h"

CPropertyPage::CPropertyPage(UINT templateId) {
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = ResourceModule();
  m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_psp.pfnDlgProc = PageProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
  if (m_hWnd == nullptr) return false;
  CDataExchange dx(m_hWnd, saveAndValidate);
  DoDataExchange(&dx);
  return true;
}

BOOL CPropertyPage::OnInitDialog() {
  UpdateData(false);
  return TRUE;
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

bool CPropertyPage::OnNotify(int, NMHDR*, LRESULT*) { return false; }

INT_PTR CPropertyPage::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CPropertyPage* self;
  if (msg == WM_INITDIALOG) {
    // comctl32 hands over its copy of our PROPSHEETPAGE; lParam is the object.
    self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->m_hWnd = hwnd;
  } else {
    self = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;  // messages before WM_INITDIALOG
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->m_hWnd = nullptr;
    // A page made again (the sheet shown a second time) starts afresh.
    self->m_bFirstSetActive = true;
    return FALSE;
  }
  try {
    return self->Dispatch(msg, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR CPropertyPage::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      // A control that handles its own notification or colour answers first.
      if (lParam != 0 &&
          CSubclassedWnd::ReflectToChild(reinterpret_cast<HWND>(lParam), msg, wParam, lParam, &reflected)) {
        return msg == WM_COMMAND ? TRUE : static_cast<INT_PTR>(reflected);
      }
      break;
    default:
      break;
  }
  switch (msg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY:
      return DispatchNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default:
      break;
  }
  bool handled = false;
  INT_PTR value = OnMessage(msg, wParam, lParam, handled);
  if (!handled) return FALSE;
  switch (msg) {
    // These answer through the procedure's own return value.
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return value;
    default:
      SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, value);
      return TRUE;
  }
}

INT_PTR CPropertyPage::DispatchNotify(NMHDR* header) {
  LRESULT result = 0;
  switch (header->code) {
    case PSN_SETACTIVE:
      result = OnSetActive() ? 0 : -1;  // -1: stay where the sheet was
      break;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? FALSE : TRUE;  // TRUE keeps this page
      break;
    default:
      if (!OnNotify(static_cast<int>(header->idFrom), header, &result)) return FALSE;
      break;
  }
  SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}
