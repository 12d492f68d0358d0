// The span in years, months and days on the Month by Month page, and its
// year table: a year's working days month by month, moved a year on,
// copied to the clipboard and saved as CSV, as a user does.
#include <string>

#include "base/NarrowText_win.h"
#include "framework/Dpi.h"
#include "framework/LocaleText.h"
#include "lists/ListTestSupport_win.h"
#include "pages/MonthByMonthHarness.h"
#include "support/WindowProbe_win.h"

namespace mbm {
namespace {

// The clipboard's UTF-16 text, in the program's code page.
std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) NarrowText(wide, wcslen(wide), text);
  GlobalUnlock(data);
  CloseClipboard();
  return text;
}

TEST_F(MonthByMonthTest, YearsMonthsDaysAndTheYearTable) {
  const std::string folder = listtest::FreshFolder("year-table");
  std::string offered;
  SetOpenFileHook([&](OPENFILENAMEA& ofn) {
    offered = ofn.lpstrFile;
    return lstrcpynA(ofn.lpstrFile, (folder + "\\table.csv").c_str(), ofn.nMaxFile) != nullptr;
  });
  std::string copied;
  Run([&] {
    AddHoliday("New Year", 2028, 1, 1);  // a Saturday
    AddHoliday("Twice", 2028, 1, 3);     // a Monday
    AddHoliday("Twice again", 2028, 1, 3);
    Activate();
    PickStart(2027, 1, 31);
    PickEnd(2027, 3, 1);
    Click(IDC_MBM_INCLUDESTART);
    EXPECT_EQ(Text(IDC_MBM_YEARSMONTHSDAYS), "1 month, 2 days");

    probe::InDialog("Working Days in 2027", [&] { Click(IDC_MBM_YEARTABLE); }, [&](HWND dlg) {
      auto click = [&](int id) { SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0); };
      click(IDC_YT_NEXT);
      EXPECT_EQ(probe::WindowTitle(dlg), "Working Days in 2028");
      HWND list = GetDlgItem(dlg, IDC_YT_LIST);
      EXPECT_EQ(probe::ListViewText(list, 0, 0) + " " + probe::ListViewText(list, 0, 3), MonthName(1) + " 1");
      click(IDC_YT_COPY);
      copied = ClipboardText();
      EXPECT_TRUE(IsClipboardFormatAvailable(CF_LOCALE));
      click(IDC_YT_SAVE);
      // Moved to a monitor of 144 DPI (Wine never sends it): the columns follow.
      const LRESULT width = SendMessageA(list, LVM_GETCOLUMNWIDTH, 2, 0);
      RECT suggested{};
      GetWindowRect(dlg, &suggested);
      SendMessageA(dlg, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
      EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 2, 0), ScaleForDpi(static_cast<int>(width), 144));
      click(IDCANCEL);
    });
    // The ends of the calendars' years: Wine's calendar begins in September 1752.
    for (const int year : {1752, 9999}) {
      PickStart(year, 12, 1);
      const std::string title = "Working Days in " + std::to_string(year);
      probe::InDialog(title.c_str(), [&] { Click(IDC_MBM_YEARTABLE); }, [&](HWND dlg) {
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dlg, IDC_YT_PREVIOUS)) != FALSE, year == 9999);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dlg, IDC_YT_NEXT)) != FALSE, year == 1752);
        SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);  // Escape
      });
    }
  });
  SetOpenFileHook(nullptr);

  const std::string heading = "Month\tDays\tWorking days\tHolidays\tBusiness days\r\n" + MonthName(1) + "\t31\t21\t1\t20\r\n";
  EXPECT_EQ(copied.substr(0, heading.size()), heading);
  EXPECT_EQ(copied.substr(copied.rfind("\r\n", copied.size() - 3)), "\r\nTotal\t366\t260\t1\t259\r\n");
  EXPECT_EQ(offered, "Working days 2028.csv");
  const std::string csv = listtest::ReadBytes(folder + "\\table.csv");
  const std::string start = "\xEF\xBB\xBFmonth,days,working_days,holidays,business_days\r\n2028-01,31,21,1,20\r\n";
  EXPECT_EQ(csv.substr(0, start.size()), start);
  EXPECT_EQ(csv.substr(csv.rfind("\r\n", csv.size() - 3)), "\r\ntotal,366,260,1,259\r\n");
}

}  // namespace
}  // namespace mbm
