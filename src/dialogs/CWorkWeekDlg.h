#pragma once
#include <windows.h>

#include "base/WorkWeek.h"
#include "framework/CDialog.h"

// "Work Week": a check box per day, in the order of the user's week and
// with the locale's day names, for the days that count as business days.
// OK is there only while a day is checked.
class CWorkWeekDlg : public CDialog {
 public:
  explicit CWorkWeekDlg(WorkWeek week);

  WorkWeek m_week;  // shown at the start; after OK, the one chosen

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;

 private:
  // Monday = 1 .. Sunday = 7 of the box at `position`.
  int DayAt(int position) const { return (m_firstDay - 1 + position) % 7 + 1; }
  uint32_t CheckedBits() const;

  int m_firstDay;
  BOOL m_bWorks[7] = {};  // by box, from the top
};
