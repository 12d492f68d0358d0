// Tempovista.exe started with a holidays file stored in its settings: the
// holidays are loaded before the Month by Month page first counts, so they
// are left out of its business days.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/ProgramNames.h"
#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/TestPaths.h"
#include "support/WindowProbe_win.h"

namespace {

using app::AppProcess;

const DWORD kStartupSettleMs = 3000;

SYSTEMTIME DaysFromToday(int days) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  today.wHour = today.wMinute = today.wSecond = today.wMilliseconds = 0;
  FILETIME time;
  SystemTimeToFileTime(&today, &time);
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart += ULONGLONG(days) * 24 * 3600 * 10000000ULL;
  time = {ticks.LowPart, ticks.HighPart};
  SYSTEMTIME day;
  FileTimeToSystemTime(&time, &day);
  return day;
}

std::string ListLine(const char* name, const SYSTEMTIME& day) {
  char line[128];
  snprintf(line, sizeof line, "%s|%04d/%02d/%02d\r\n", name, day.wYear, day.wMonth, day.wDay);
  return line;
}

// A count on the Month by Month page, as the running program shows it.
int PageCount(HWND window, int id) {
  DWORD_PTR page = 0;
  SendMessageTimeoutA(window, PSM_INDEXTOHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page);
  char text[64] = {};
  DWORD_PTR ignored;
  SendMessageTimeoutA(GetDlgItem(HWND(page), id), WM_GETTEXT, sizeof text, LPARAM(text),
                      SMTO_ABORTIFHUNG, 5000, &ignored);
  return std::atoi(text);
}

TEST(StoredHolidays, AreLeftOutOfTheMonthByMonthBusinessDaysFromTheStart) {
  // The page counts from today over the stored difference (four weeks by
  // default): three weekday holidays well inside it, one on a weekend and
  // one long after it.
  std::string list = "!Version: 1.0\r\n";
  int weekdays = 0;
  bool weekend = false;
  for (int day = 3; day < 20; ++day) {
    const SYSTEMTIME date = DaysFromToday(day);
    const bool isWeekday = date.wDayOfWeek >= 1 && date.wDayOfWeek <= 5;
    if (isWeekday && weekdays < 3) {
      list += ListLine("Weekday holiday", date);
      ++weekdays;
    } else if (!isWeekday && !weekend) {
      list += ListLine("Weekend holiday", date);
      weekend = true;
    }
  }
  list += ListLine("Far away", DaysFromToday(90));
  const std::string file = LaneFolder() + "\\e2e-holidays.tvh";
  std::ofstream(file, std::ios::binary) << list;

  app::ClearSettings();
  app::WriteText(setting::kHolidayFile, file);
  {
    AppProcess process(app::Build::Shipped);
    ASSERT_TRUE(process.Start("shownow"));
    HWND window = process.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    Sleep(kStartupSettleMs);
    const int shownWeekdays = PageCount(window, IDC_MBM_WEEKDAYS);
    EXPECT_GE(shownWeekdays, 15);
    EXPECT_EQ(shownWeekdays - 3, PageCount(window, IDC_MBM_BUSINESSDAYS));
  }  // the process ends here
  std::string stored;
  EXPECT_TRUE(app::ReadText(setting::kHolidayFile, stored));
  EXPECT_EQ(file, stored);
  app::ClearSettings();
  DeleteFileA(file.c_str());
}

}  // namespace
