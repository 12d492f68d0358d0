#include "framework/CListView.h"

#include <algorithm>

#include "base/NarrowText_win.h"
#include "framework/Dpi.h"

void CListView::SetExtendedStyle(DWORD style) const {
  ::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
}

int CListView::HeadingWidth(const std::string& heading) const {
  if (heading.empty()) return 0;
  // Measured as the list draws it, wide.
  const std::wstring wide = WideText(heading);
  const int text = static_cast<int>(
      ::SendMessageW(m_hWnd, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str())));
  // The header keeps a margin either side of the text, and the item's frame
  // takes its edges.
  HWND header = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
  const int margin = header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0)) : 0;
  return text + 2 * margin + 2 * ::GetSystemMetrics(SM_CXEDGE);
}

int CListView::InsertColumn(int index, const std::string& heading, int width, int format,
                            const std::string& widest) const {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = width;
  column.pszText = const_cast<char*>(heading.c_str());
  column.iSubItem = index;
  const int inserted = static_cast<int>(
      ::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
  // Measured once the column is in: some lists make their header with the
  // first column.
  const int needed = inserted >= 0 ? std::max(HeadingWidth(heading), HeadingWidth(widest)) : 0;
  if (needed > width) SetColumnWidth(inserted, needed);
  return inserted;
}

int CListView::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
  return header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CListView::ColumnWidth(int column) const {
  return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, column, 0));
}

void CListView::SetColumnWidth(int column, int width) const {
  ::SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

void CListView::ScaleColumns(UINT oldDpi, UINT newDpi) const {
  for (int i = 0; i < ColumnCount(); ++i) SetColumnWidth(i, ScaleForDpi(ColumnWidth(i), newDpi, oldDpi));
}

void CListView::SpreadColumns(int first) const {
  const int count = ColumnCount();
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  int spare = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
  for (int i = 0; i < count; ++i) spare -= ColumnWidth(i);
  if (first >= count || spare <= 0) return;
  for (int i = first; i < count; ++i) SetColumnWidth(i, ColumnWidth(i) + spare / (count - first));
}

int CListView::InsertItem(int index, const std::string& text, LPARAM data) const {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.lParam = data;
  return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

int CListView::InsertCallbackItem(int index, int columns, LPARAM data) const {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = LPSTR_TEXTCALLBACKA;
  item.lParam = data;
  const int row =
      static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (int column = 1; row >= 0 && column < columns; ++column) {
    LVITEMA sub{};
    sub.iSubItem = column;
    sub.pszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
  }
  return row;
}

void CListView::RedrawItems() const { ::InvalidateRect(m_hWnd, nullptr, FALSE); }

void CListView::RedrawItems(int first, int last) const { ::SendMessageA(m_hWnd, LVM_REDRAWITEMS, first, last); }

void CListView::GetVisibleRows(int& first, int& last) const {
  first = static_cast<int>(::SendMessageA(m_hWnd, LVM_GETTOPINDEX, 0, 0));
  const int perPage = static_cast<int>(::SendMessageA(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0));
  last = first + perPage;  // the row partly shown below the whole ones
  const int count = GetItemCount();
  if (last >= count) last = count - 1;
}

void CListView::SetRedraw(bool redraw) const { ::SendMessageA(m_hWnd, WM_SETREDRAW, redraw ? TRUE : FALSE, 0); }

void CListView::CopyDispInfoText(NMHDR* header, const std::string& text) {
  if (header->code == LVN_GETDISPINFOA) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
      CopyTextField(item.pszText, static_cast<size_t>(item.cchTextMax), text);
  } else if (header->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
      CopyTextField(item.pszText, static_cast<size_t>(item.cchTextMax), text);
  }
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

bool CListView::DeleteItem(int item) const {
  return ::SendMessageA(m_hWnd, LVM_DELETEITEM, item, 0) != FALSE;
}

void CListView::ClearSelection() const {
  if (GetNextItem(-1, LVNI_SELECTED) < 0 && GetNextItem(-1, LVNI_FOCUSED) < 0) return;
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

void CListView::SelectItem(int item) const {
  ClearSelection();
  LVITEMA state{};
  state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
  ::SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}
