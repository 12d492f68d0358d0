#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

// A report-view list control by its handle: wraps the messages the pages
// use. It neither owns nor subclasses the control.
class CListView {
 public:
  void Attach(HWND hwnd) { m_hWnd = hwnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  void SetExtendedStyle(DWORD style) const;
  // A column `width` pixels wide, or wider where its heading, or `widest`
  // (the longest text it will show, when known), needs it in the list's font.
  int InsertColumn(int index, const std::string& heading, int width, int format = LVCFMT_LEFT,
                   const std::string& widest = {}) const;
  // Every column's width, from `oldDpi` to `newDpi`: the list's owner set
  // them, and a user may have changed them since.
  void ScaleColumns(UINT oldDpi, UINT newDpi) const;
  // Widens the columns from `first` on alike, so that all the columns
  // together fill the list, less room for a vertical scroll bar.
  void SpreadColumns(int first) const;
  // The width a column needs to show `text` whole, in its heading or rows.
  int HeadingWidth(const std::string& text) const;
  // Inserts a row with its first column's text and its item data; answers
  // the row's index, -1 when it could not be inserted.
  int InsertItem(int index, const std::string& text, LPARAM data) const;
  // Inserts a row whose texts in the first `columns` columns its owner
  // gives when the control asks (LVN_GETDISPINFO); see CopyDispInfoText.
  int InsertCallbackItem(int index, int columns, LPARAM data) const;
  bool SetItemText(int item, int subItem, const std::string& text) const;
  std::string GetItemText(int item, int subItem) const;
  LPARAM GetItemData(int item) const;
  int GetItemCount() const;
  // The next row after `after` (-1: from the start) in the given state,
  // LVNI_SELECTED by default; -1 when there is none.
  int GetNextItem(int after, UINT flags = LVNI_SELECTED) const;
  bool DeleteItem(int item) const;
  void DeleteAllItems() const;
  // Leaves no row selected or focused.
  void ClearSelection() const;
  // Selects and focuses row `item` alone, scrolled into view.
  void SelectItem(int item) const;
  // Draws every row again, with the texts its owner gives now.
  void RedrawItems() const;
  // Draws rows `first` to `last` again.
  void RedrawItems(int first, int last) const;
  // The rows in view, a partly shown last one included; last < first when
  // there are none.
  void GetVisibleRows(int& first, int& last) const;
  // Off while many rows come or go, so that the list is drawn once after.
  void SetRedraw(bool redraw) const;
  // Answers an LVN_GETDISPINFOA or LVN_GETDISPINFOW request with `text`.
  static void CopyDispInfoText(NMHDR* header, const std::string& text);

 private:
  int ColumnCount() const;
  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int width) const;

  HWND m_hWnd = nullptr;
};
