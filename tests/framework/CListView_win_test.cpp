// Column widths of a real report-view list: a heading is never cut, in a
// font as large as a high DPI gives.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CListView.h"

namespace {

TEST(ListViewTest, AColumnIsAsWideAsDesignedOrAsItsHeadingNeeds) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_OVERLAPPEDWINDOW | LVS_REPORT, 0, 0, 600, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  LOGFONTA lf{};
  lf.lfHeight = -40;
  lstrcpyA(lf.lfFaceName, "Tahoma");
  HFONT font = CreateFontIndirectA(&lf);
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  CListView view;
  view.Attach(list);
  const char kHeading[] = "Remaining Time";

  // What the header draws the heading in, with the margins it keeps.
  const auto needed = [&] {
    HWND header = ListView_GetHeader(list);
    HDC dc = GetDC(header);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(header, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32A(dc, kHeading, lstrlenA(kHeading), &text);
    SelectObject(dc, old);
    ReleaseDC(header, dc);
    return text.cx + 2 * static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  };

  for (const int designed : {100, 1000}) {
    SCOPED_TRACE(designed);
    ASSERT_EQ(view.InsertColumn(0, kHeading, designed, LVCFMT_RIGHT), 0);
    const int width = ListView_GetColumnWidth(list, 0);
    EXPECT_GE(width, needed());
    EXPECT_GE(width, designed);
    if (designed > needed()) {
      EXPECT_EQ(width, designed);
    }
    ListView_DeleteColumn(list, 0);
  }
  DestroyWindow(list);
  DeleteObject(font);
}

}  // namespace
