#include "framework/CWnd.h"

#include <vector>

#include "framework/Prompt.h"

std::string CWnd::GetDlgItemText(int id) const {
  HWND item = GetDlgItem(id);
  if (item == nullptr) return std::string();
  int length = ::GetWindowTextLengthA(item);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  int copied = ::GetWindowTextA(item, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

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
