// The Stopwatch page in the real main window, on a set clock: captions and
// Reset's state after each click, the display's font, ticks behind another
// page, and the log after a lap and a reset.
#include "app/MainDlgHarness.h"

#include "base/Clock.h"
#include "framework/LocaleText.h"

namespace {

constexpr int64_t kTen = 1042624800;  // 15 January 2003, 10:00:00 UTC
int64_t g_now = kTen;

class StopwatchPageTest : public maindlg::MainDlgTest {
 protected:
  void SetUp() override {
    MainDlgTest::SetUp();
    g_now = kTen;
    SetClockSource([] { return g_now; });
  }
  void TearDown() override {
    SetClockSource(nullptr);
    MainDlgTest::TearDown();
  }
  static HWND Item(int id) { return GetDlgItem(g_pStopWatchPage->GetSafeHwnd(), id); }
  static std::string Text(int id) {
    char text[1024] = {};
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
  static void Click(int id, const char* startStop, bool resetEnabled) {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(IDC_SW_STARTSTOP), startStop);
    EXPECT_EQ(IsWindowEnabled(Item(IDC_SW_RESET)) != FALSE, resetEnabled);
  }
  // The date-time text of the clock at `seconds` after ten o'clock.
  static std::string At(int64_t seconds) {
    const int64_t now = g_now;
    g_now = kTen + seconds;
    const std::string text = DateText(COleDateTime::GetCurrentTime(), DateTextForm::DateAndTime);
    g_now = now;
    return text;
  }
  void Select(int page) { SendMessageA(Sheet(), PSM_SETCURSEL, page, 0); }
};

TEST_F(StopwatchPageTest, StartLapStopAndReset) {
  std::string afterLap, log;
  EXPECT_FALSE(Run({
      [&] {
        Select(1);
        EXPECT_EQ(Text(IDC_SW_DISPLAY), "");
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_SW_RESET)));
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Item(IDC_SW_DISPLAY), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
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

}  // namespace
