// The Month by Month page with the user's work week (through its Work Week
// dialog), business days as the difference's unit and the start date
// counted, and the same settings after a restart.
#include <algorithm>
#include <vector>

#include "pages/MonthByMonthHarness.h"
#include "support/WindowProbe_win.h"

namespace mbm {
namespace {

constexpr int kBusinessDays = 4;  // the unit's combo item

class WorkWeekTest : public MonthByMonthTest {
 protected:
  // Work Week...: every box cleared (OK goes grey), the boxes named with the
  // days checked, OK.
  void ChooseWorkWeek(const std::vector<std::string>& days) {
    probe::InDialog("Work Week", [&] { Click(IDC_MBM_WORKWEEK); }, [&](HWND dlg) {
      auto click = [&](int id) { SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0); };
      for (int id = IDC_WW_FIRSTDAY; id < IDC_WW_FIRSTDAY + 7; ++id)
        if (SendDlgItemMessageA(dlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED) click(id);
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDOK)));
      for (int id = IDC_WW_FIRSTDAY; id < IDC_WW_FIRSTDAY + 7; ++id)
        if (std::count(days.begin(), days.end(), WindowText(GetDlgItem(dlg, id))) != 0) click(id);
      click(IDOK);
    });
  }
  std::string Counts() const {
    return Text(IDC_MBM_DAYS) + " " + Text(IDC_MBM_WEEKDAYS) + " " + Text(IDC_MBM_BUSINESSDAYS) + " " +
           Text(IDC_MBM_WEEKS);
  }
};

TEST_F(WorkWeekTest, BusinessDaysOfTheUsersWeekMoveTheDatesAndCountTheStartWhenAsked) {
  Run([&] {
    ChooseWorkWeek({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday"});
    AddHoliday("Holiday", 2027, 3, 9);  // a Tuesday
    Activate();
    PickStart(2027, 3, 4);  // a Thursday
    ChooseUnit(kBusinessDays);
    TypeAmount("5");
    SetLock(true);  // to Sunday 7, Monday 8, Wednesday 10, Thursday 11, Sunday 14
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2027-03-14");
    EXPECT_EQ(Counts(), "10 6 5 1.3");
    Click(IDC_MBM_INCLUDESTART);  // Thursday 4 counts too; the end stays
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2027-03-14");
    EXPECT_EQ(Counts(), "11 7 6 1.4");
    PickEnd(2027, 3, 31);  // a Wednesday: back over 30, 29, 28, 25 to 24
    EXPECT_EQ(Selected(IDC_MBM_STARTCAL), "2027-03-24");
    SetLock(false);
    EXPECT_EQ(Text(IDC_MBM_AMOUNT), "5");
  });
  EXPECT_EQ(Stored(setting::kWorkWeek), 0x4F);
  EXPECT_EQ(Stored(setting::kIncludeStartDate), 1);
  EXPECT_EQ(Stored(setting::kDifference), 0x100005);

  Store(setting::kLinkedDifference, 1);
  Run([&] {  // from Wednesday 15 January 2003 (the clock): 16, 19, 20, 21, 22
    EXPECT_EQ(UnitIndex(), kBusinessDays);
    EXPECT_EQ(SendMessageA(Item(IDC_MBM_INCLUDESTART), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Selected(IDC_MBM_ENDCAL), "2003-01-22");
    EXPECT_EQ(Counts(), "8 6 6 1.1");
  });
}

}  // namespace
}  // namespace mbm
