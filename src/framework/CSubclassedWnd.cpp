#include "framework/CSubclassedWnd.h"

#include <commctrl.h>

namespace {
// Our subclass id on a control: one CSubclassedWnd per control.
const UINT_PTR kSubclassId = 0x5456;  // "TV"
}  // namespace

CSubclassedWnd::~CSubclassedWnd() { UnsubclassWindow(); }

bool CSubclassedWnd::SubclassDlgItem(int id, HWND parent) {
  HWND item = ::GetDlgItem(parent, id);
  return item != nullptr && SubclassWindow(item);
}

bool CSubclassedWnd::SubclassWindow(HWND hwnd) {
  if (hwnd == nullptr || m_hWnd != nullptr) return false;
  m_hWnd = hwnd;
  PreSubclassWindow();
  if (!::SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    m_hWnd = nullptr;
    return false;
  }
  return true;
}

void CSubclassedWnd::UnsubclassWindow() {
  if (m_hWnd == nullptr) return;
  ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
  m_hWnd = nullptr;
}

LRESULT CSubclassedWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return Default(msg, wParam, lParam);
}

LRESULT CSubclassedWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR refData) {
  auto* self = reinterpret_cast<CSubclassedWnd*>(refData);
  if (msg == WM_NCDESTROY) {
    // The control goes away: let it finish, then forget it.
    ::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    self->m_hWnd = nullptr;
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  try {
    return self->WindowProc(msg, wParam, lParam);
  } catch (...) {
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
  }
}
