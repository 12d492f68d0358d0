// The Stopwatch page in the real main window, on a set clock: the button
// captions and Reset's state after each click, the display's font, the
// ticks while another page is shown, and the log after a lap and a reset.
#include "app/MainDlgHarness.h"

#include "base/Clock.h"
#include "framework/LocaleText.h"

namespace {

// Wednesday 15 January 2003, 10:00:00 UTC.
constexpr int64_t kTen = 1042624800;
int64_t g_now = kTen;
int64_t SetClock() { return g_now; }

class StopwatchPageTest : public maindlg::MainDlgTest {
 protected:
  void SetUp() override {
    MainDlgTest::SetUp();
    g_now = kTen;
    SetClockSource(&SetClock);
  }
  void TearDown() override {
    SetClockSource(nullptr);
    MainDlgTest::TearDown();
  }

  static HWND Page() { return g_pStopWatchPage->GetSafeHwnd(); }
  static HWND Item(int id) { return GetDlgItem(Page(), id); }
  static std::string Text(int id) {
    char text[1024] = {};
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
  static void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
  static std::string At(int64_t seconds) {
    const int64_t saved = g_now;
    g_now = kTen + seconds;
    const std::string text = DateText(COleDateTime::GetCurrentTime(), DateTextForm::DateAndTime);
    g_now = saved;
    return text;
  }
  void Select(int page) { SendMessageA(Sheet(), PSM_SETCURSEL, page, 0); }
  // The button captions and whether Reset can be pressed.
  static void ExpectButtons(const char* startStop, bool resetEnabled) {
    EXPECT_EQ(Text(IDC_SW_STARTSTOP), startStop);
    EXPECT_EQ(Text(IDC_SW_RESET), "&Reset");
    EXPECT_EQ(IsWindowEnabled(Item(IDC_SW_RESET)) != FALSE, resetEnabled);
  }
  // A tick has shown `display`; the boxes show the run's start, the last
  // start and the clock's time.
  static bool Ticked(const char* display, int64_t originalStart, int64_t lastStart) {
    if (Text(IDC_SW_DISPLAY) != display) return false;
    EXPECT_EQ(Text(IDC_SW_ORIGINALSTART), At(originalStart));
    EXPECT_EQ(Text(IDC_SW_LASTSTART), At(lastStart));
    EXPECT_EQ(Text(IDC_SW_LASTSTOP), At(g_now - kTen));
    return true;
  }
};

TEST_F(StopwatchPageTest, StartLapStopAndReset) {
  std::string log;
  EXPECT_FALSE(Run({
      [&] {
        Select(1);
        EXPECT_EQ(Text(IDC_SW_DISPLAY), "");
        ExpectButtons("&Start", false);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Item(IDC_SW_DISPLAY), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(font.lfHeight, 50);
        EXPECT_STREQ(font.lfFaceName, "Arial");

        Click(IDC_SW_STARTSTOP);
        ExpectButtons("&Stop", true);
        g_now = kTen + 5;
        return true;
      },
      [&] { return Ticked("0d 00:00:05", 0, 0); },
      // It goes on ticking behind another page.
      [&] {
        Select(0);
        g_now = kTen + 7;
        return true;
      },
      [&] { return Ticked("0d 00:00:07", 0, 0); },
      [&] {
        Select(1);
        Click(IDC_SW_RESET);  // a lap
        ExpectButtons("&Stop", true);
        EXPECT_EQ(Text(IDC_SW_LOG), "0d 00:00:07 | " + At(0) + " | " + At(7) + "\r\n");
        g_now = kTen + 10;
        return true;
      },
      [&] { return Ticked("0d 00:00:03", 7, 7); },
      [&] {
        Click(IDC_SW_STARTSTOP);
        ExpectButtons("&Start", true);
        Click(IDC_SW_RESET);
        ExpectButtons("&Start", false);
        EXPECT_EQ(Text(IDC_SW_DISPLAY), "0d 00:00:00");
        EXPECT_EQ(Text(IDC_SW_ORIGINALSTART) + Text(IDC_SW_LASTSTART) + Text(IDC_SW_LASTSTOP), "");
        log = Text(IDC_SW_LOG);
        return true;
      },
  }));
  // The later run first.
  EXPECT_EQ(log, "0d 00:00:03 | " + At(7) + " | " + At(10) + "\r\n" + "0d 00:00:07 | " + At(0) + " | " + At(7) +
                     "\r\n");
}

}  // namespace
