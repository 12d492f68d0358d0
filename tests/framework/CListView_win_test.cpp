// Column widths of a real report-view list, in a font as large as a high
// DPI gives: a heading is never cut; and the text the list asks for.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CListView.h"
#include "support/WindowProbe_win.h"

namespace {

TEST(ListViewTest, AColumnIsAsWideAsDesignedOrAsItsHeadingNeeds) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_OVERLAPPEDWINDOW | LVS_REPORT, 0, 0, 600, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  HFONT font = CreateFontA(-40, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, nullptr);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  CListView view;
  view.Attach(list);
  HWND header = ListView_GetHeader(list);
  for (const int designed : {100, 1000}) {
    SCOPED_TRACE(designed);
    ASSERT_EQ(view.InsertColumn(0, "Remaining Time", designed, LVCFMT_RIGHT), 0);
    // What the header draws the heading in, with the margins it keeps.
    const int needed = probe::TextExtent(header, "Remaining Time").cx +
                       2 * static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const int width = ListView_GetColumnWidth(list, 0);
    EXPECT_GE(width, needed);
    EXPECT_EQ(width == designed, designed >= needed);
    ListView_DeleteColumn(list, 0);
  }
  DestroyWindow(list);
  DeleteObject(font);
}

// The text a list asks for is cut to its buffer between two characters:
// "日本" and an emoji, which takes two wide characters.
TEST(ListViewTest, DisplayTextIsCutBetweenCharacters) {
  wchar_t wide[4] = {};
  NMLVDISPINFOW asks{};
  asks.hdr.code = LVN_GETDISPINFOW;
  asks.item.mask = LVIF_TEXT;
  asks.item.pszText = wide;
  asks.item.cchTextMax = 4;
  CListView::CopyDispInfoText(&asks.hdr, "\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(std::wstring(wide), L"\x65E5\x672C");
}

}  // namespace
