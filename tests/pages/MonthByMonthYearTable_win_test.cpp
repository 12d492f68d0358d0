// The span in years, months and days on the Month by Month page, and its
// year table: a year's working days month by month, moved a year on,
// copied to the clipboard and saved as CSV, as a user does.
#include <string>
#include <vector>

#include "base/NarrowText_win.h"
#include "framework/Dpi.h"
#include "framework/LocaleText.h"
#include "lists/ListTestSupport_win.h"
#include "pages/MonthByMonthHarness.h"
#include "support/WindowProbe_win.h"

namespace mbm {
namespace {

// The clipboard's UTF-16 text in the program's code page, and whether the
// locale that goes with it is there too.
std::string ClipboardText(bool& withLocale) {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  withLocale = IsClipboardFormatAvailable(CF_LOCALE) != FALSE;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const auto* wide = static_cast<const wchar_t*>(GlobalLock(data));
    if (wide != nullptr) NarrowText(wide, wcslen(wide), text);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(MonthByMonthTest, YearsMonthsDaysAndTheYearTable) {
  const std::string folder = listtest::FreshFolder("year-table");
  std::vector<std::string> offered;
  SetOpenFileHook([&](OPENFILENAMEA& ofn) {
    offered.push_back(ofn.lpstrFile);
    const std::string chosen = folder + (offered.size() == 1 ? "\\table.csv" : "\\no such folder\\table.csv");
    return lstrcpynA(ofn.lpstrFile, chosen.c_str(), ofn.nMaxFile) != nullptr;
  });
  std::string copied;
  bool withLocale = false;
  Run([&] {
    AddHoliday("New Year", 2028, 1, 1);  // a Saturday
    AddHoliday("Twice", 2028, 1, 3);     // a Monday
    AddHoliday("Twice again", 2028, 1, 3);
    Activate();
    PickStart(2027, 1, 31);
    PickEnd(2027, 3, 1);
    EXPECT_EQ(Text(IDC_MBM_YEARSMONTHSDAYS), "1 month, 1 day");
    Click(IDC_MBM_INCLUDESTART);
    EXPECT_EQ(Text(IDC_MBM_YEARSMONTHSDAYS), "1 month, 2 days");

    probe::InDialog("Working Days in 2027", [&] { Click(IDC_MBM_YEARTABLE); }, [&](HWND dlg) {
      auto click = [&](int id) { SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0); };
      click(IDC_YT_NEXT);
      EXPECT_EQ(probe::WindowTitle(dlg), "Working Days in 2028");
      HWND list = GetDlgItem(dlg, IDC_YT_LIST);
      ASSERT_EQ(probe::ListViewRowCount(list), 13);
      EXPECT_EQ(probe::ListViewText(list, 0, 0), MonthName(1));
      EXPECT_EQ(probe::ListViewText(list, 0, 3) + " " + probe::ListViewText(list, 12, 4), "1 259");
      click(IDC_YT_COPY);
      copied = ClipboardText(withLocale);
      click(IDC_YT_SAVE);
      click(IDC_YT_SAVE);
      // Moved to a monitor of 144 DPI (Wine never sends it): the columns follow.
      const LRESULT width = SendMessageA(list, LVM_GETCOLUMNWIDTH, 2, 0);
      RECT suggested{};
      GetWindowRect(dlg, &suggested);
      SendMessageA(dlg, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
      EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 2, 0), ScaleForDpi(static_cast<int>(width), 144));
      click(IDCANCEL);
    });
    PickStart(9999, 6, 1);
    probe::InDialog("Working Days in 9999", [&] { Click(IDC_MBM_YEARTABLE); }, [&](HWND dlg) {
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_YT_PREVIOUS)));
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_YT_NEXT)));
      SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0);  // Escape
    });
  });
  SetOpenFileHook(nullptr);

  const std::string january = MonthName(1) + "\t31\t21\t1\t20\r\n";
  EXPECT_EQ(copied.substr(0, copied.find(january) + january.size()),
            "Month\tDays\tWorking days\tHolidays\tBusiness days\r\n" + january);
  EXPECT_EQ(copied.substr(copied.rfind("\r\n", copied.size() - 3)), "\r\nTotal\t366\t260\t1\t259\r\n");
  EXPECT_TRUE(withLocale);

  EXPECT_EQ(offered, std::vector<std::string>(2, "Working days 2028.csv"));
  const std::string csv = listtest::ReadBytes(folder + "\\table.csv");
  const std::string start = "\xEF\xBB\xBFmonth,days,working_days,holidays,business_days\r\n2028-01,31,21,1,20\r\n";
  EXPECT_EQ(csv.substr(0, start.size()), start);
  EXPECT_EQ(csv.substr(csv.rfind("\r\n", csv.size() - 3)), "\r\ntotal,366,260,1,259\r\n");
  // The second save, to a folder that is not there: the list save's message.
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].type & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
}

}  // namespace
}  // namespace mbm
