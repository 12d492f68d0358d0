#include "framework/CDataExchange.h"

#include <commctrl.h>

#include "framework/CSubclassedWnd.h"
#include "framework/CWnd.h"
#include "framework/SystemTime.h"

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  HWND control = GetDlgItem(pDX->m_hDlg, id);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    value = WindowText(control);
    return;
  }
  // Text that has not changed is left alone: setting it again would scroll
  // a multi-line edit back to its top and redraw it, on every timer tick.
  if (WindowText(control) != value) SetWindowTextA(control, value.c_str());
}

void DDX_Text(CDataExchange* pDX, int id, UINT& value) {
  HWND control = GetDlgItem(pDX->m_hDlg, id);
  if (control == nullptr) return;
  BOOL read = FALSE;
  const UINT shown = GetDlgItemInt(pDX->m_hDlg, id, &read, FALSE);
  if (pDX->m_bSaveAndValidate) {
    if (read) value = shown;
    return;
  }
  // As with text: the same number again would tell the edit's owner of a change.
  if (!read || shown != value) SetDlgItemInt(pDX->m_hDlg, id, value, FALSE);
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value) {
  HWND control = GetDlgItem(pDX->m_hDlg, id);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<BOOL>(SendMessageA(control, BM_GETCHECK, 0, 0));
  } else {
    SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int id, COleDateTime& value) {
  HWND control = GetDlgItem(pDX->m_hDlg, id);
  if (control == nullptr) return;
  SYSTEMTIME time{};
  if (pDX->m_bSaveAndValidate) {
    if (SendMessageA(control, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&time))) {
      FromSystemTime(time, true, value);
    }
  } else if (ToSystemTime(value, time)) {
    time.wHour = time.wMinute = time.wSecond = time.wMilliseconds = 0;
    SendMessageA(control, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time));
  }
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int id, COleDateTime& value) {
  HWND control = GetDlgItem(pDX->m_hDlg, id);
  if (control == nullptr) return;
  SYSTEMTIME time{};
  if (pDX->m_bSaveAndValidate) {
    LRESULT state = SendMessageA(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    if (state == GDT_VALID) {
      FromSystemTime(time, false, value);
    } else if (state == GDT_NONE) {
      value = COleDateTime(0.0, COleDateTime::invalid);
    }
  } else if (ToSystemTime(value, time)) {
    SendMessageA(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  } else {
    SendMessageA(control, DTM_SETSYSTEMTIME, GDT_NONE, 0);
  }
}

void DDX_Control(CDataExchange* pDX, int id, CSubclassedWnd& control) {
  if (control.GetSafeHwnd() == nullptr) control.SubclassDlgItem(id, pDX->m_hDlg);
}
