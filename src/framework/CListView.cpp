#include "framework/CListView.h"

void CListView::SetExtendedStyle(DWORD style) const {
  ::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
}

int CListView::InsertColumn(int index, const std::string& heading, int width, int format) const {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = width;
  column.pszText = const_cast<char*>(heading.c_str());
  column.iSubItem = index;
  return static_cast<int>(
      ::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int CListView::InsertItem(int index, const std::string& text, LPARAM data) const {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.lParam = data;
  return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListView::SetItemText(int item, int subItem, const std::string& text) const {
  LVITEMA lvi{};
  lvi.iSubItem = subItem;
  lvi.pszText = const_cast<char*>(text.c_str());
  return ::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi)) != FALSE;
}

std::string CListView::GetItemText(int item, int subItem) const {
  char text[1024] = {};
  LVITEMA lvi{};
  lvi.iSubItem = subItem;
  lvi.pszText = text;
  lvi.cchTextMax = sizeof text;
  ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi));
  return text;
}

LPARAM CListView::GetItemData(int item) const {
  LVITEMA lvi{};
  lvi.mask = LVIF_PARAM;
  lvi.iItem = item;
  if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi))) return 0;
  return lvi.lParam;
}

int CListView::GetItemCount() const {
  return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CListView::GetNextItem(int after, UINT flags) const {
  return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETNEXTITEM, after, MAKELPARAM(flags, 0)));
}

void CListView::DeleteAllItems() const { ::SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0); }

bool CListView::DeleteItem(int item) const { return ::SendMessageA(m_hWnd, LVM_DELETEITEM, item, 0) != FALSE; }

void CListView::ClearSelection() const {
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED;
  ::SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}
