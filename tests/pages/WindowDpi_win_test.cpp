// What the program sizes itself follows the main window's DPI when the
// window moves to a monitor of another. Wine never sends WM_DPICHANGED and
// has one DPI: the test sends the message as Windows would.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/MainDlgHarness.h"
#include "framework/Dpi.h"
#include "support/WindowProbe_win.h"

namespace maindlg {
namespace {

constexpr int kStopwatchPage = 1;
constexpr int kCountdownPage = 4;
constexpr int kAboutPage = 5;

HWND PageItem(CMainDlg& dlg, int page, int id) { return GetDlgItem(dlg.GetPage(page)->GetSafeHwnd(), id); }

TEST_F(MainDlgTest, SizesTheProgramOwnsFollowTheWindowsDpi) {
  // The Countdowns page is first made at 144 DPI, then shown again at 96.
  const struct {
    UINT dpi;
    LONG display;  // the Stopwatch display's font height
    int counterColumn;
    int bigIcon;
  } kMoves[] = {{144, 75, 360, 48}, {96, 50, 240, 32}};

  LONG linkAt96 = 0;
  std::vector<Step> steps{[&] {
    PropSheet_SetCurSel(Sheet(), nullptr, kStopwatchPage);
    PropSheet_SetCurSel(Sheet(), nullptr, kAboutPage);
    linkAt96 = probe::FontHeight(PageItem(*m_dlg, kAboutPage, IDC_ABOUT_UPDATE));
    return true;
  }};
  for (const auto& move : kMoves) {
    steps.push_back([&, move] {
      SCOPED_TRACE(move.dpi);
      RECT before{}, after{};
      GetWindowRect(Sheet(), &before);
      const RECT suggested{before.left + 10, before.top + 10, before.left + 10 + ScaleForDpi(400, move.dpi),
                           before.top + 10 + ScaleForDpi(300, move.dpi)};
      SendMessageA(Sheet(), WM_DPICHANGED, MAKEWPARAM(move.dpi, move.dpi), reinterpret_cast<LPARAM>(&suggested));
      PropSheet_SetCurSel(Sheet(), nullptr, kCountdownPage);
      GetWindowRect(Sheet(), &after);
      EXPECT_TRUE(EqualRect(&after, &suggested));
      EXPECT_EQ(probe::FontHeight(PageItem(*m_dlg, kStopwatchPage, IDC_SW_DISPLAY)), move.display);
      EXPECT_EQ(SendMessageA(PageItem(*m_dlg, kCountdownPage, IDC_CD_LIST), LVM_GETCOLUMNWIDTH, 0, 0),
                move.counterColumn);
      EXPECT_EQ(probe::FontHeight(PageItem(*m_dlg, kAboutPage, IDC_ABOUT_UPDATE)), ScaleForDpi(linkAt96, move.dpi));
      const auto big = reinterpret_cast<HICON>(SendMessageA(Sheet(), WM_GETICON, ICON_BIG, 0));
      EXPECT_EQ(probe::IconPixels(big).cx, move.bigIcon);
      return true;
    });
  }
  EXPECT_FALSE(Run(steps));
  EXPECT_NE(linkAt96, 0);
}

}  // namespace
}  // namespace maindlg
