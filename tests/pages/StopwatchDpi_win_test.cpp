// The Stopwatch display's font follows the screen's DPI. Wine takes the DPI
// from the registry once, when a process starts: the page is shown at
// 144 DPI in a child run of this test program, with the prefix's setting
// changed for as long as the child runs.
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/MainDlgHarness.h"
#include "support/ChildTest_win.h"
#include "support/WindowProbe_win.h"

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kReportVariable[] = "TV_FONT_REPORT";

class StopwatchDpiTest : public maindlg::MainDlgTest {
 public:
  LONG DisplayFontHeight() {
    LONG height = 0;
    Run({[&] {
      SendMessageA(Sheet(), PSM_SETCURSEL, 1, 0);
      height = probe::FontHeight(GetDlgItem(g_pStopWatchPage->GetSafeHwnd(), IDC_SW_DISPLAY));
      return true;
    }});
    return height;
  }
};

// The child's half: writes the height to the file the parent names.
TEST_F(StopwatchDpiTest, DISABLED_ReportDisplayFontHeight) {
  const char* report = std::getenv(kReportVariable);
  ASSERT_NE(report, nullptr);
  std::ofstream(report) << DisplayFontHeight();
}

// The user's LogPixels, which Wine reads before the machine's; restores
// what was there (or its absence) when it goes.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(DWORD dpi) {
    DWORD size = sizeof m_old;
    m_had = RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", RRF_RT_REG_DWORD, nullptr, &m_old, &size) ==
            ERROR_SUCCESS;
    Set(dpi);
  }
  ~ScopedLogPixels() {
    if (m_had) {
      Set(m_old);
    } else {
      RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
    }
  }

 private:
  static void Set(DWORD dpi) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
  }
  bool m_had = false;
  DWORD m_old = 0;
};

LONG DisplayFontHeightInChildAt(DWORD dpi) {
  char dir[MAX_PATH] = {}, report[MAX_PATH] = {};
  GetTempPathA(sizeof dir, dir);
  GetTempFileNameA(dir, "tvd", 0, report);
  PROCESS_INFORMATION child{};
  SetEnvironmentVariableA(kReportVariable, report);
  {
    ScopedLogPixels setting(dpi);
    if (StartChildTest("StopwatchDpiTest.DISABLED_ReportDisplayFontHeight", &child)) {
      WaitForSingleObject(child.hProcess, 600000);
      CloseHandle(child.hProcess);
      CloseHandle(child.hThread);
    }
  }
  SetEnvironmentVariableA(kReportVariable, nullptr);
  LONG height = 0;
  std::ifstream(report) >> height;
  DeleteFileA(report);
  return height;
}

TEST_F(StopwatchDpiTest, DisplayFontIsHalfAsLargeAgainAt144Dpi) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(dpi, 96) << "this process runs at the usual DPI";
  EXPECT_EQ(DisplayFontHeight(), 50);
  EXPECT_EQ(DisplayFontHeightInChildAt(144), 75);
}

}  // namespace
