#include "framework/CDataExchange.h"

#include <commctrl.h>
#include <oleauto.h>

#include <vector>

#include "framework/CSubclassedWnd.h"

namespace {
// The platform's conversions, so that control values and COleDateTime agree
// with what the system itself would compose.
bool ToSystemTime(const COleDateTime& value, SYSTEMTIME& out) {
  if (!value.IsValid()) return false;
  return VariantTimeToSystemTime(value.m_dt, &out) != FALSE;
}

bool FromSystemTime(SYSTEMTIME time, bool dateOnly, COleDateTime& out) {
  if (dateOnly) time.wHour = time.wMinute = time.wSecond = 0;
  time.wMilliseconds = 0;
  double days = 0.0;
  if (!SystemTimeToVariantTime(&time, &days)) return false;
  out = COleDateTime(days);
  return true;
}
}  // namespace

namespace {
std::string WindowText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int copied = GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}
}  // namespace

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
