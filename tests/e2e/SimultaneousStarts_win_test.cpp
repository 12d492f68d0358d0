// Many copies of the shipped Tempovista.exe started at once, as a user who
// clicks its shortcut again and again: one of them runs on, the others end.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/AppProcess_win.h"
#include "support/WindowProbe_win.h"

namespace {

using app::AppProcess;

// Twenty Wine starts at once are slow on a loaded or emulating machine.
const DWORD kAllStartedMs = 20 * 60 * 1000;

TEST(SimultaneousStarts, TwentyCopiesLeaveExactlyOneRunningWithItsWindowShown) {
  app::ClearSettings();
  std::vector<std::unique_ptr<AppProcess>> copies;
  for (int i = 0; i < 20; ++i) {
    copies.push_back(std::make_unique<AppProcess>(app::Build::Shipped));
    ASSERT_TRUE(copies.back()->Start()) << "copy " << i;
  }
  auto running = [&] {
    int n = 0;
    for (const auto& copy : copies) n += copy->IsRunning() ? 1 : 0;
    return n;
  };
  EXPECT_TRUE(probe::WaitUntil([&] { return running() <= 1; }, kAllStartedMs));
  Sleep(2000);  // a late copy would end by now
  ASSERT_EQ(running(), 1);

  for (auto& copy : copies) {
    if (!copy->IsRunning()) continue;
    HWND window = copy->WaitForMainWindow(probe::kPatientMs);
    ASSERT_NE(window, nullptr) << "the survivor's window is shown";
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(copy->ExitFromTray(window));
  }
  app::ClearSettings();
}

}  // namespace
