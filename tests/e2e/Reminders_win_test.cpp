// Reminders from the tray, through the test build's shell log: counters
// ending while the window is hidden, and today's holidays and events in the
// tooltip and in a balloon once a day, across a restart.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CMainDlg.h"
#include "base/ProgramNames.h"
#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/ListFileText_win.h"
#include "support/WindowProbe_win.h"

namespace {

using listfile::CounterLine;
using listfile::TodayLine;

std::vector<app::ShellCall> Balloons(const app::AppProcess& process) {
  std::vector<app::ShellCall> balloons;
  for (const app::ShellCall& call : process.ShellLog())
    if (!call.text.empty()) balloons.push_back(call);
  return balloons;
}

// Names in UTF-8, the program's code page: Greek, and a Japanese one long
// enough that the tooltip cuts it.
const std::string kGreek = "Χριστούγεννα";
const std::string kJapanese = "天皇誕生日のお祝いと家族の集まりと夕食会の記念日";

// A birthday tomorrow, twelve years ago (so also on a 29 February), that comes back every year.
std::string BirthdayTomorrow() {
  std::string line = CounterLine("Anna", 86400, nullptr, false);
  const size_t year = line.find('|') + 1;
  line.replace(year, 4, std::to_string(std::stoi(line.substr(year, 4)) - 12));
  return "!Every year\r\n" + line;
}

TEST(Reminders, ComeFromTheTrayWhileHiddenAndTodayOncePerDay) {
  app::ClearSettings();
  app::WriteText(setting::kHolidayFile, listfile::WriteListFile("e2e-remind.tvh", TodayLine("Hol One") + TodayLine(kGreek.c_str())));
  app::WriteText(setting::kEventFile, listfile::WriteListFile("e2e-remind.tve", TodayLine(kJapanese.c_str()) + BirthdayTomorrow()));
  app::WriteNumber(setting::kRemindDaysAhead, 2);
  {
    app::AppProcess process;
    HWND page = process.StartOnPage(app::kCountdownsPage);
    HWND window = GetParent(page);
    ASSERT_NE(window, nullptr);
    // Counters loaded as a user loads them once the program runs, however
    // slowly it started; then the window goes to the tray.
    LONGLONG soonEndMs = 0;
    const std::string counters = listfile::WriteListFile(
        "e2e-remind.tvc", CounterLine("Gone", -30) + CounterLine("Soon", 8, &soonEndMs) + CounterLine("A", 11) +
                              CounterLine("B", 11) + CounterLine("C", 11));
    SetDlgItemTextA(page, IDC_LIST_LOCATION, counters.c_str());
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(page, IDC_CD_LOAD), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, probe::kPatientMs, &result);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(probe::WaitUntil([&] { return Balloons(process).size() >= 3; }, probe::kPatientMs));
    EXPECT_FALSE(IsWindowVisible(window));
    const std::vector<app::ShellCall> balloons = Balloons(process);
    ASSERT_EQ(balloons.size(), 3u) << "nothing for the counter that had ended before the load";
    EXPECT_EQ(balloons[0].title + ": " + balloons[0].text,
              "Today: Holiday: Hol One\\nHoliday: " + kGreek + "\\nEvent: " + kJapanese + "\\nTomorrow: Anna (12)");
    EXPECT_EQ(balloons[1].title, "Soon");
    EXPECT_EQ(balloons[1].text.rfind("Countdown ended at ", 0), 0u) << balloons[1].text;
    // On the program's own clock, against the end's instant: however late
    // in a second the counters came, the balloon comes soon after the end.
    const long long late = balloons[1].clockMs - soonEndMs;
    EXPECT_TRUE(late >= 0 && late <= 1000) << late;
    RecordProperty("balloon_late_ms", static_cast<int>(late));  // the figure, in the test's report
    EXPECT_EQ(balloons[2].title + ": " + balloons[2].text, "Countdowns ended: A\\nB\\nC");
    // Holidays, then the event, cut with "..." between two characters.
    const std::string tip = process.ShellLog()[1].tip;
    const size_t names = tip.find("\\nHol One, " + kGreek + ", ");
    ASSERT_NE(names, std::string::npos) << tip;
    ASSERT_GT(tip.size(), names + 3);
    const std::string cut = tip.substr(names + 2 + 9 + kGreek.size() + 2);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_EQ(kJapanese.rfind(cut.substr(0, cut.size() - 3), 0), 0u) << "a start of the name";
    EXPECT_EQ((cut.size() - 3) % 3, 0u) << "whole characters";
    // Wine's tray never sends the click: the window comes back on the first
    // counter of the balloon.
    PostMessageA(window, WM_TRAYICON_NOTIFY, 1, NIN_BALLOONUSERCLICK);
    EXPECT_TRUE(probe::WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, probe::kPatientMs));
    EXPECT_TRUE(probe::WaitUntil([&] { return ListView_GetNextItem(GetDlgItem(page, IDC_CD_LIST), -1, LVNI_SELECTED) == 2; },
                                 probe::kPatientMs));
    EXPECT_TRUE(process.ExitFromTray(window));
    DeleteFileA(counters.c_str());
  }
  SYSTEMTIME today;
  GetLocalTime(&today);
  DWORD announced = 0;
  EXPECT_TRUE(app::ReadNumber(setting::kLastTodayNotice, announced));
  EXPECT_EQ(announced, DWORD(today.wYear * 10000 + today.wMonth * 100 + today.wDay));
  app::AppProcess again;
  HWND window = GetParent(again.StartOnPage(app::kCountdownsPage));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(probe::WaitUntil([&] { return again.ShellLog().size() >= 2; }, probe::kPatientMs));  // the first date
  Sleep(500);
  EXPECT_TRUE(Balloons(again).empty()) << "today was announced already";
  EXPECT_TRUE(again.ExitFromTray(window));
  app::ClearSettings();
}

}  // namespace
