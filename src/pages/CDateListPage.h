#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/COleDateTime.h"
#include "controls/CLinkStatic.h"
#include "controls/CTipMonthCal.h"
#include "dialogs/CReadyMadeDlg.h"
#include "framework/CListView.h"
#include "lists/DateRecord.h"
#include "pages/CListFilePage.h"

// What tells the Holidays and the Events page apart.
struct DateListPageSetup {
  DateListKind kind;
  UINT templateId;
  int calendarId;
  int listId;
  int saveId;
  int loadId;
  int linkId;
  const char* linkPath;  // the page of ready-made list files on the maker's site
  int remindId;          // the box for today's reminder; 0: none on this page
  int aheadId;           // the reminder's days ahead and their arrows
  int aheadSpinId;
};

// A page that edits one list of named days of its owner on its own
// calendar: the list's days are bold with their names as tooltips, and
// listed beside it. A day holds one record through this page: Add on a day
// that has one renames it. A yearly record is edited from any of its days
// and keeps its first date. The list is edited in place; rows identify
// their record by the day, since a save rebuilds the list.
class CDateListPage : public CListFilePage {
 public:
  CDateListPage(DateListKind kind, ListOwner* owner);

  // The rows, bold days, day texts and Save File state from the list.
  void RefreshList();
  // The name box, the Add/Update caption and Delete for m_selectedDate;
  // writes no controls.
  void SyncSelection();
  // The page picks a record by its day: the day's record is the one picked.
  void SelectRecord(const std::string& name, const COleDateTime& date) override;
  void ShowDay(const COleDateTime& day) override;

  CLinkStatic m_link;  // to the maker's page of ready-made list files
  COleDateTime m_selectedDate;
  CListView m_list;
  CTipMonthCal m_calendar;
  std::string m_strEvent;
  BOOL m_bYearly = FALSE;  // the record comes back every year
  BOOL m_bRemind = TRUE;  // the NotifyToday setting, where the page has its box
  UINT m_daysAhead = 0;   // the RemindDaysAhead setting, beside it

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  void OnListSaved() override;
  void OnListRead(bool replaced) override;

 private:
  DateRecordList::iterator FindSelected();
  void ShowSelection(bool found);
  void OnCalendarChange();
  void OnRowClick();
  void OnAddOrUpdate();
  void OnDelete();
  void OnReadyMade();
  void OnRemindBox();
  void OnDaysAhead();
  void EnableDaysAhead();
  // Asks whether business days should follow the chosen country's week
  // when it is not the stored one; Yes stores it.
  void OfferWorkWeek(const ReadyMadeChoice& choice) const;

  // What row i shows: the list view asks for its texts when it draws.
  struct Row {
    COleDateTime date;
    std::string name;
    std::string dateText;
  };

  const DateListPageSetup& m_setup;
  bool m_initialised = false;
  std::vector<Row> m_rows;
};
