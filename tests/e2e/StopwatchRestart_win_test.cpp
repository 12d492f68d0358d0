// A running stopwatch outlives its program: Tempovista killed outright and
// started again still runs the watch, its elapsed time carried on.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/TestPaths.h"
#include "support/WindowProbe_win.h"

namespace {

constexpr int kStopwatchPage = 1;

HWND ShowStopwatchPage(HWND window) {
  DWORD_PTR page = 0;
  SendMessageTimeoutA(window, PSM_SETCURSEL, kStopwatchPage, 0, SMTO_ABORTIFHUNG, 5000, &page);
  SendMessageTimeoutA(window, PSM_INDEXTOHWND, kStopwatchPage, 0, SMTO_ABORTIFHUNG, 5000, &page);
  return HWND(page);
}

// WM_GETTEXT itself: GetWindowText does not read another process's edit boxes.
std::string Text(HWND page, int id) {
  char text[256] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(GetDlgItem(page, id), WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 5000, &length);
  return text;
}

TEST(StopwatchRestart, RunningWatchGoesOnAfterTheProgramIsKilled) {
  // The watch's files go beside the holiday cache file.
  const std::string folder = TestEnvPath("TV_BINARY_DIR") + "\\e2e-stopwatch";
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA((folder + "\\TVstopwatch.txt").c_str());
  app::ClearSettings();
  app::WriteText("HolidayCacheFile", folder + "\\TVcache.tvh");

  std::string before;
  {
    app::AppProcess process;
    ASSERT_TRUE(process.Start("shownow"));
    const HWND page = ShowStopwatchPage(process.WaitForMainWindow());
    ASSERT_NE(page, nullptr);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(page, IDC_SW_STARTSTOP), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    ASSERT_TRUE(probe::WaitUntil([&] { return Text(page, IDC_SW_DISPLAY) >= "0d 00:00:02"; }, probe::kPatientMs));
    before = Text(page, IDC_SW_DISPLAY);
  }  // ended with TerminateProcess

  app::AppProcess process;
  ASSERT_TRUE(process.Start("shownow"));
  const HWND page = ShowStopwatchPage(process.WaitForMainWindow());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Text(page, IDC_SW_STARTSTOP), "&Stop");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_SW_RESET)));
  // Shown at once, counted on from the first start: the time it was not
  // running counts too.
  ASSERT_TRUE(probe::WaitUntil([&] { return !Text(page, IDC_SW_DISPLAY).empty(); }, probe::kPatientMs));
  EXPECT_GE(Text(page, IDC_SW_DISPLAY), before);
  EXPECT_TRUE(probe::WaitUntil([&] { return Text(page, IDC_SW_DISPLAY) > before; }, probe::kPatientMs));
  EXPECT_NE(Text(page, IDC_SW_ORIGINALSTART), "");

  app::ClearSettings();
  DeleteFileA((folder + "\\TVstopwatch.txt").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
