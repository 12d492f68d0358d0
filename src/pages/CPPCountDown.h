#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/COleDateTime.h"
#include "controls/CLinkStatic.h"
#include "framework/CListView.h"
#include "framework/PageTimerProc.h"
#include "lists/DateRecord.h"
#include "pages/CListFilePage.h"

// The Countdowns page: its owner's counters, each a name and an end
// moment, listed with the time left to each and counted down twice a second
// for as long as the page's window exists. One counter at a time is edited
// below the list. Row i shows the i-th active counter; a deleted counter
// stays in the list, inactive, until the list is next read from a file.
class CPPCountDown : public CListFilePage {
 public:
  explicit CPPCountDown(ListOwner* owner);
  ~CPPCountDown() override;

  // Brings the rows in line with the active counters and the clock; the
  // Save File button follows m_listChanged. Touches no other control.
  void RefreshCounters();
  void OnTimerTick(UINT_PTR timerId);
  // Picks the active counter of that name and end, as a click on its row
  // would.
  void SelectRecord(const std::string& name, const COleDateTime& end) override;
  // The end-day picker is the page's calendar: it shows the day.
  void ShowDay(const COleDateTime& day) override;

  std::string m_strName;
  COleDateTime m_endDay;   // only its year, month and day are used
  COleDateTime m_endTime;  // only its hour, minute and second are used
  int m_nSelected = -1;    // row of the counter last picked; -1: none
  UINT_PTR m_nTimer = 0;
  CListView m_list;
  CLinkStatic m_link;  // to the maker's page of ready-made counter files
  BOOL m_bNotify = TRUE;  // the NotifyCountdowns setting

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  void OnListSaved() override;
  void OnListRead(bool replaced) override;

 private:
  // What row i shows: the list view asks for its texts (LVN_GETDISPINFO)
  // when it draws them or is asked for them, so rows out of view cost
  // nothing and are current whenever they are seen.
  struct RowText {
    std::string name;
    COleDateTime end{0.0, COleDateTime::invalid};
    std::string endText;
    std::string remaining;  // as last drawn or given
  };

  DateRecordList::iterator FindActive(int index);
  COleDateTime ComposedEnd() const;
  bool ListShowing() const;
  // RefreshCounters without the Save File button.
  void RefreshRows();
  bool SyncRows();
  void RedrawChangedTimes();
  void OnGetDispInfo(NMHDR* header);
  void PickNothing();
  void OnPick();
  void OnAdd();
  void OnUpdate();
  void OnDelete();
  void OnNotifyBox();
  void OnPickerText(int id, const std::string& text, SYSTEMTIME& value, DWORD& flags) const;

  std::vector<RowText> m_rows;
  int64_t m_now = 0;  // the clock (seconds since 1970) at the last tick, or at initialisation
};

// The one Countdowns page of the process, set by its constructor; the tick
// procedure finds the page through it.
extern CPPCountDown* g_pCountDownPage;
constexpr TIMERPROC CountdownTimerProc = &PageTimerProc<CPPCountDown, &g_pCountDownPage>;
