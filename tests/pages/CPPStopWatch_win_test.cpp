// The Stopwatch page in the real main window, on a set clock: captions and
// Reset's state after each click, the display's font, ticks behind another
// page, the log after a lap and a reset; then the kept watch and saved log.
#include "app/MainDlgHarness.h"
#include <windowsx.h>

#include <algorithm>

#include "base/Clock.h"
#include "base/LocalTime.h"
#include "base/StopwatchText.h"
#include "framework/CWnd.h"
#include "framework/LocaleText.h"
#include "lists/ListTestSupport_win.h"

namespace {

constexpr int64_t kTen = 1042624800;  // 15 January 2003, 10:00:00 UTC
int64_t g_now = kTen;

class StopwatchPageTest : public maindlg::MainDlgTest {
 protected:
  void SetUp() override {
    MainDlgTest::SetUp();
    g_now = kTen;
    SetClockSource([] { return g_now * 1000; });
  }
  void TearDown() override {
    SetClockSource(nullptr);
    MainDlgTest::TearDown();
  }
  static HWND Item(int id) { return GetDlgItem(g_pStopWatchPage->GetSafeHwnd(), id); }
  static std::string Text(int id) { return WindowText(Item(id)); }
  static void Click(int id, const char* startStop, bool resetEnabled) {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(IDC_SW_STARTSTOP), startStop);
    EXPECT_EQ(IsWindowEnabled(Item(IDC_SW_RESET)) != FALSE, resetEnabled);
  }
  // The date-time text of the clock at `seconds` after ten o'clock.
  static std::string At(int64_t seconds) { return DateText(LocalTimeAt(kTen + seconds), DateTextForm::DateAndTime); }
  void Select(int page) { SendMessageA(Sheet(), PSM_SETCURSEL, page, 0); }
};

TEST_F(StopwatchPageTest, StartLapStopAndReset) {
  std::string afterLap, log;
  EXPECT_FALSE(Run({
      [&] {
        Select(1);
        EXPECT_EQ(Text(IDC_SW_DISPLAY), "");
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_SW_RESET)) || IsWindowEnabled(Item(IDC_SW_SAVELOG)));
        LOGFONTA font{};
        GetObjectA(GetWindowFont(Item(IDC_SW_DISPLAY)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, 50);
        EXPECT_STREQ(font.lfFaceName, "Arial");
        Click(IDC_SW_STARTSTOP, "&Stop", true);
        Select(0);  // it ticks behind another page
        g_now = kTen + 7;
        return true;
      },
      [&] { return Text(IDC_SW_DISPLAY) == "0d 00:00:07"; },
      [&] {
        Select(1);
        Click(IDC_SW_RESET, "&Stop", true);  // a lap
        EXPECT_TRUE(IsWindowEnabled(Item(IDC_SW_SAVELOG)));
        afterLap = Text(IDC_SW_LOG);
        g_now = kTen + 10;
        return true;
      },
      [&] { return Text(IDC_SW_DISPLAY) == "0d 00:00:03"; },
      [&] {
        // The run began at the lap; the last stop is the clock's time.
        EXPECT_EQ(Text(IDC_SW_ORIGINALSTART) + Text(IDC_SW_LASTSTART), At(7) + At(7));
        EXPECT_EQ(Text(IDC_SW_LASTSTOP), At(10));
        Click(IDC_SW_STARTSTOP, "&Start", true);
        Click(IDC_SW_RESET, "&Start", false);
        EXPECT_EQ(Text(IDC_SW_DISPLAY), "0d 00:00:00");
        EXPECT_EQ(Text(IDC_SW_ORIGINALSTART) + Text(IDC_SW_LASTSTART) + Text(IDC_SW_LASTSTOP), "");
        log = Text(IDC_SW_LOG);
        return true;
      },
  }));
  const std::string first = "0d 00:00:07 | " + At(0) + " | " + At(7) + "\r\n";
  EXPECT_EQ(afterLap, first);
  EXPECT_EQ(log, "0d 00:00:03 | " + At(7) + " | " + At(10) + "\r\n" + first);  // the later run first
}

// The next run of the program takes up the running watch and its full log,
// kept beside the holiday cache file, the oldest run gone at a lap; Save Log
// offers "Stopwatch log.csv", writes the runs, and says why when it cannot.
TEST_F(StopwatchPageTest, KeptWatchAndSavedLog) {
  const std::string folder = listtest::FreshFolder("stopwatch");
  m_settings.SetText(setting::kHolidayCacheFile, folder + "\\TVcache.tvh");
  StopwatchLog full;
  for (int64_t i = 1; i <= static_cast<int64_t>(StopwatchLog::kMaxRuns); ++i) full.Add({i, kTen - 9000, kTen - 9000 + i});
  listtest::WriteBytes(folder + "\\TVstopwatch log.txt", FormatStopwatchLog(full));
  std::string log;
  std::vector<std::string> offered;
  SetOpenFileHook([&](OPENFILENAMEA& ofn) {
    offered.push_back(ofn.lpstrFile);
    const std::string chosen = folder + (offered.size() == 1 ? "\\log.csv" : "\\no such folder\\log.csv");
    return lstrcpynA(ofn.lpstrFile, chosen.c_str(), ofn.nMaxFile) != nullptr;
  });
  EXPECT_FALSE(Run({[&] {
    Select(1);
    Click(IDC_SW_STARTSTOP, "&Stop", true);
    g_now += 7;
    Click(IDC_SW_RESET, "&Stop", true);  // a lap
    log = Text(IDC_SW_LOG);
    return true;
  }}));
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), static_cast<long>(StopwatchLog::kMaxRuns));
  EXPECT_EQ(log.substr(0, 14) + log.substr(log.rfind("\r\n", log.size() - 3) + 2, 14), "0d 00:00:07 | 0d 00:00:02 | ");
  g_now += 60;
  EXPECT_FALSE(Run({[&] {
    Select(1);
    EXPECT_EQ(Text(IDC_SW_STARTSTOP) + Text(IDC_SW_DISPLAY), "&Stop0d 00:01:00");
    EXPECT_TRUE(Text(IDC_SW_LOG) == log);
    for (int i = 0; i < 2; ++i) SendMessageA(Item(IDC_SW_SAVELOG), BM_CLICK, 0, 0);
    return true;
  }}));
  SetOpenFileHook(nullptr);
  EXPECT_EQ(offered, std::vector<std::string>(2, "Stopwatch log.csv"));
  const std::string csvStart = "\xEF\xBB\xBFrun,elapsed_seconds,elapsed,started,stopped\r\n1,2,0d 00:00:02,";
  EXPECT_EQ(listtest::ReadBytes(folder + "\\log.csv").substr(0, csvStart.size()), csvStart);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].type & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
}

}  // namespace
