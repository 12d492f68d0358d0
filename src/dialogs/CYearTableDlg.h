#pragma once
#include <windows.h>

#include <string>

#include "framework/CDialog.h"
#include "framework/CListView.h"
#include "lists/HolidayIndex.h"
#include "lists/ListOwner.h"
#include "lists/YearWorkingDays.h"

// "Working Days in <year>": a year's days, working days, holidays and
// business days month by month, for payroll and planning, copied for a
// spreadsheet or saved as CSV. Moves a year at a time, from the calendars'
// earliest year to 9999.
class CYearTableDlg : public CDialog {
 public:
  static constexpr int kLastYear = 9999;

  // `holidays` (which carry the work week) and `owner` (whose window shows
  // why a save failed) must outlive the dialog.
  CYearTableDlg(int year, int firstYear, const HolidayIndex& holidays, ListOwner* owner);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  YearWorkingDays Table() const { return YearWorkingDays(m_year, m_holidays); }
  void ShowYear(int year);
  // Enables a move button; one that had the focus hands it to `other`.
  void EnableMove(int id, bool enable, int other);
  void OnCopy();
  void OnSave();

  int m_year;
  const int m_firstYear;
  const HolidayIndex& m_holidays;
  ListOwner* m_pOwner;
  CListView m_list;
  std::string m_monthNames[12];
};
