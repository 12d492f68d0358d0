#include "framework/CDialog.h"

#include "framework/CListView.h"
#include "framework/CSubclassedWnd.h"
#include "framework/Dpi.h"
#include "framework/ResourceModule.h"

INT_PTR CDialog::DoModal(HWND owner) {
  return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (m_hWnd == nullptr) return false;
  CDataExchange dx(m_hWnd, saveAndValidate);
  DoDataExchange(&dx);
  return true;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

bool CDialog::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return false;  // Enter and Escape come as clicks too
  switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
  }
}

void CDialog::OnDpiChanged(UINT oldDpi, UINT newDpi) {
  CSubclassedWnd::SetDpiOfControls(m_hWnd, newDpi);
  // The program gives every list its columns' widths.
  for (HWND child = GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    if (GetClassNameA(child, name, sizeof name) > 0 && lstrcmpiA(name, WC_LISTVIEWA) == 0) {
      CListView list;
      list.Attach(child);
      list.ScaleColumns(oldDpi, newDpi);
    }
  }
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnNotify(int, NMHDR*, LRESULT*) { return false; }

INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

bool CDialog::DispatchNotify(NMHDR* header, LRESULT* result) {
  return OnNotify(static_cast<int>(header->idFrom), header, result);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CDialog* self;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    self->m_hWnd = hwnd;
    if (self->m_nDpi == 0) self->m_nDpi = WindowDpi(hwnd);
  } else {
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;  // messages before WM_INITDIALOG
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->m_hWnd = nullptr;
    self->m_nDpi = 0;
    self->PostNcDestroy();
    return FALSE;
  }
  try {
    return self->Dispatch(msg, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
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
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!DispatchNotify(reinterpret_cast<NMHDR*>(lParam), &result)) return FALSE;
      SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_DPICHANGED:
      // Only a dialog of its own hears this (a page is told by its sheet);
      // the dialog manager resizes it and rescales its controls' fonts.
      SetDpi(HIWORD(wParam));
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
