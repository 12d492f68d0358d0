#include "framework/CSubclassedWnd.h"

#include "framework/Dpi.h"

namespace {
// Per window: the procedure we replaced, and the object now handling it
// (absent while our procedure only passes messages on).
const char kOldProcProp[] = "Tempovista.OldProc";
const char kObjectProp[] = "Tempovista.Object";

WNDPROC OldProc(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOldProcProp)); }

LRESULT PassOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC old = OldProc(hwnd);
  return old != nullptr ? CallWindowProcA(old, hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

CSubclassedWnd::~CSubclassedWnd() { UnsubclassWindow(); }

bool CSubclassedWnd::SubclassDlgItem(int id, HWND parent) {
  HWND item = ::GetDlgItem(parent, id);
  return item != nullptr && SubclassWindow(item);
}

bool CSubclassedWnd::SubclassWindow(HWND hwnd) {
  if (hwnd == nullptr || m_hWnd != nullptr || !IsWindow(hwnd) || GetPropA(hwnd, kObjectProp) != nullptr) {
    return false;
  }
  m_hWnd = hwnd;
  m_nDpi = WindowDpi(hwnd);
  PreSubclassWindow();
  if (OldProc(hwnd) != nullptr) {
    // Our procedure is still in the chain, passing messages on: take it up.
    SetPropA(hwnd, kObjectProp, this);
    return true;
  }
  SetPropA(hwnd, kObjectProp, this);
  SetLastError(0);
  LONG_PTR old = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
  if (old == 0 && GetLastError() != 0) {
    RemovePropA(hwnd, kObjectProp);
    m_hWnd = nullptr;
    m_nDpi = 0;
    return false;
  }
  SetPropA(hwnd, kOldProcProp, reinterpret_cast<HANDLE>(old));
  return true;
}

void CSubclassedWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (hwnd == nullptr) return;
  m_hWnd = nullptr;
  m_nDpi = 0;
  RemovePropA(hwnd, kObjectProp);
  // Only the top of the chain can be taken out; below another subclass our
  // procedure stays and passes messages on.
  if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc)) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldProc(hwnd)));
    RemovePropA(hwnd, kOldProcProp);
  }
}

bool CSubclassedWnd::ReflectToChild(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (child == nullptr || !IsWindow(child)) return false;
  auto* self = static_cast<CSubclassedWnd*>(GetPropA(child, kObjectProp));
  if (self == nullptr) return false;
  try {
    return self->OnChildNotify(msg, wParam, lParam, result);
  } catch (...) {
    return false;
  }
}

void CSubclassedWnd::SetDpiOfControls(HWND parent, UINT dpi) {
  EnumChildWindows(parent, SetDpiOfControl, static_cast<LPARAM>(dpi));
}

BOOL CALLBACK CSubclassedWnd::SetDpiOfControl(HWND child, LPARAM dpi) {
  auto* self = static_cast<CSubclassedWnd*>(GetPropA(child, kObjectProp));
  if (self != nullptr) self->SetDpi(static_cast<UINT>(dpi));
  return TRUE;
}

LRESULT CSubclassedWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return Default(msg, wParam, lParam);
}

LRESULT CSubclassedWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return PassOn(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<CSubclassedWnd*>(GetPropA(hwnd, kObjectProp));
  if (msg == WM_NCDESTROY) {
    // The window's last message: end the subclass, then let it finish.
    WNDPROC old = OldProc(hwnd);
    if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc)) {
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    }
    RemovePropA(hwnd, kObjectProp);
    RemovePropA(hwnd, kOldProcProp);
    LRESULT result = old != nullptr ? CallWindowProcA(old, hwnd, msg, wParam, lParam)
                                    : DefWindowProcA(hwnd, msg, wParam, lParam);
    if (self != nullptr) {
      self->m_hWnd = nullptr;
      self->m_nDpi = 0;
      try {
        self->PostNcDestroy();
      } catch (...) {
      }
    }
    return result;
  }
  if (self == nullptr) return PassOn(hwnd, msg, wParam, lParam);
  try {
    return self->WindowProc(msg, wParam, lParam);
  } catch (...) {
    return PassOn(hwnd, msg, wParam, lParam);
  }
}
