#pragma once
#include <windows.h>

#include <string>

#include "base/COleDateTime.h"
#include "controls/CTipMonthCal.h"
#include "framework/CPropertyPage.h"
#include "framework/PageTimerProc.h"
#include "lists/DateRecord.h"
#include "lists/HolidayIndex.h"
#include "lists/ListOwner.h"

// The first page: a start and an end date on two calendars, the days,
// weekdays, business days and weeks between them, the span in years, months
// and days, the start year's working days month by month (the year table),
// and a difference that either follows the dates or, locked, moves them.
// Its two timers keep today's date and the tray icon's day current and
// restore the saved window state shortly after start-up. Without an owner
// it counts without holidays, on the settings' defaults.
class CPPMonthByMonth : public CPropertyPage {
 public:
  explicit CPPMonthByMonth(ListOwner* owner);
  ~CPPMonthByMonth() override;

  void Recalculate(bool startChanged);
  void MarkHolidays(CTipMonthCal& calendar);
  void OnResetToToday();
  void OnLockDifference();
  void OnCalcDifference();
  void OnWorkWeek();
  void OnIncludeStartDate();
  void OnYearTable();
  // Both timers' ticks on this page's window.
  void OnTimerTick(UINT_PTR timerId);

  COleDateTime m_startDate;
  COleDateTime m_endDate;
  std::string m_strToday;
  DWORD m_nDifference;  // the Difference setting's form
  LONG m_nLastTrayDay = -1;
  BOOL m_bLockDifference = FALSE;
  std::string m_strAmount;
  std::string m_strStart;
  std::string m_strEnd;
  std::string m_strDays;
  std::string m_strWeekdays;
  std::string m_strWeeks;
  CTipMonthCal m_startCal;
  CTipMonthCal m_endCal;
  ListOwner* m_pMainDlg;  // the main window: the holidays, the settings, the tray
  std::string m_strBusinessDays;
  BOOL m_bIncludeStartDate = FALSE;  // the counts take the start date too
  std::string m_strYearsMonthsDays;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;

 private:
  void FillUnits();
  // The difference, the lock and the start date box from the settings;
  // answers the update period in seconds.
  LONG ReadSettings();
  LONG NumberSetting(const char* name) const;
  void StoreNumberSetting(const char* name, LONG value);
  DWORD SelectedUnit() const;
  void MoveDates(bool startChanged);
  void FollowDates();
  void ComputeCounts();
  void IndexHolidays();
  const DateRecordList& Holidays() const;
  void StoreDifference();

  // The holidays as the business-day count needs them, taken from the
  // owner's list and the stored work week when the page initialises,
  // whenever it becomes active again (the list and, after a ready-made
  // list, the week change on other pages only) and when the week changes.
  HolidayIndex m_holidayIndex;
};

// The one Month by Month page of the process, set by its constructor; the
// timer procedure finds the page through it.
extern CPPMonthByMonth* g_pMonthByMonthPage;
constexpr TIMERPROC MonthByMonthTimerProc = &PageTimerProc<CPPMonthByMonth, &g_pMonthByMonthPage>;
