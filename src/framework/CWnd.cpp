#include "framework/CWnd.h"

#include <vector>

#include "framework/Prompt.h"

std::string WindowText(HWND hwnd) {
  if (hwnd == nullptr) return std::string();
  int length = ::GetWindowTextLengthA(hwnd);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  int copied = ::GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void CWnd::SetDpi(UINT dpi) {
  const UINT old = m_nDpi;
  m_nDpi = dpi;
  if (m_hWnd != nullptr && old != 0 && old != dpi) OnDpiChanged(old, dpi);
}

std::string CWnd::GetWindowText() const { return WindowText(m_hWnd); }

std::string CWnd::GetDlgItemText(int id) const { return WindowText(GetDlgItem(id)); }

void CWnd::SetDlgItemText(int id, const std::string& text) const {
  ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

void CWnd::ShowItem(int id, bool show) const {
  HWND item = GetDlgItem(id);
  if (item != nullptr) ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void CWnd::EnableItem(int id, bool enable) const {
  HWND item = GetDlgItem(id);
  if (item != nullptr) ::EnableWindow(item, enable ? TRUE : FALSE);
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type) const {
  return ShowMessageBox(m_hWnd, text, caption, type);
}
