// A running stopwatch outlives its program: Tempovista killed outright and
// started again still runs the watch, its elapsed time carried on.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/TestPaths.h"
#include "support/WindowProbe_win.h"

TEST(StopwatchRestart, RunningWatchGoesOnAfterTheProgramIsKilled) {
  // The watch's files go beside the holiday cache file.
  const std::string folder = LaneFolder() + "\\e2e-stopwatch";
  const std::string state = folder + "\\TVstopwatch.txt";
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA(state.c_str());
  app::ClearSettings();
  app::WriteText("HolidayCacheFile", folder + "\\TVcache.tvh");
  HWND page = nullptr;
  const auto display = [&] { return probe::ControlText(GetDlgItem(page, IDC_SW_DISPLAY)); };

  std::string before;
  {
    app::AppProcess process;
    ASSERT_NE(page = process.StartOnPage(app::kStopwatchPage), nullptr);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(page, IDC_SW_STARTSTOP), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    ASSERT_TRUE(probe::WaitUntil([&] { return display() >= "0d 00:00:02"; }, probe::kPatientMs));
    before = display();
  }  // ended with TerminateProcess

  app::AppProcess process;
  ASSERT_NE(page = process.StartOnPage(app::kStopwatchPage), nullptr);
  EXPECT_EQ(probe::ControlText(GetDlgItem(page, IDC_SW_STARTSTOP)), "&Stop");
  // Shown at once, counted from the first start on.
  EXPECT_GE(display(), before);
  EXPECT_TRUE(probe::WaitUntil([&] { return display() > before; }, probe::kPatientMs));
  app::ClearSettings();
  DeleteFileA(state.c_str());
  RemoveDirectoryA(folder.c_str());
}
