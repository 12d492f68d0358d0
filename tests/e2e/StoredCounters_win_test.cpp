// Tempovista.exe started with a counters file stored in its settings: the
// Countdowns page lists the counters, sorted, and counts them down.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/ListFileText_win.h"
#include "support/WindowProbe_win.h"

namespace {

TEST(StoredCounters, CountDownOnTheirPageFromTheStart) {
  using listfile::CounterLine;
  const std::string file = listfile::WriteListFile(
      "e2e-counters.tvc", CounterLine("In two days", 2 * 86400) + CounterLine("Gone", -86400) + CounterLine("In an hour", 3600));
  app::ClearSettings();
  app::WriteText("CounterFile", file);
  {
    app::AppProcess process;
    HWND list = GetDlgItem(process.StartOnPage(app::kCountdownsPage), IDC_CD_LIST);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(probe::WaitUntil([&] { return probe::ListViewRowCount(list) == 3; }, probe::kPatientMs));
    EXPECT_EQ(probe::ListViewText(list, 0, 0), "Gone");
    EXPECT_EQ(probe::ListViewText(list, 0, 2), "Expired");
    EXPECT_EQ(probe::ListViewText(list, 1, 0), "In an hour");
    EXPECT_EQ(probe::ListViewText(list, 2, 0), "In two days");
    const std::string hour = probe::ListViewText(list, 1, 2);
    EXPECT_TRUE(hour.rfind("0d 00:5", 0) == 0 || hour == "0d 01:00:00") << hour;
    const std::string days = probe::ListViewText(list, 2, 2);
    EXPECT_TRUE(days.rfind("1d 23:5", 0) == 0 || days == "2d 00:00:00") << days;
    // Seconds later the hour counter shows less time left.
    EXPECT_TRUE(probe::WaitUntil([&] { return probe::ListViewText(list, 1, 2) < hour; }, probe::kPatientMs));
  }  // the process ends here
  app::ClearSettings();
  DeleteFileA(file.c_str());
}

}  // namespace
