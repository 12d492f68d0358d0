#include "pages/CDateListPage.h"

#include <algorithm>

#include "base/DifferenceCalc.h"
#include "base/ProgramNames.h"
#include "controls/CalendarMarks.h"
#include "controls/MakerSite.h"
#include "framework/Dpi.h"
#include "framework/LocaleText.h"
#include "lists/ReminderText.h"
#include "resource.h"

namespace {

const DateListPageSetup kSetups[] = {
    {DateListKind::Holidays, IDD_HOLIDAYS, IDC_HOL_CALENDAR, IDC_HOL_LIST, IDC_HOL_SAVE,
     IDC_HOL_LOAD, IDC_HOL_LINK, "/tempovista/holidays", 0, 0, 0},
    {DateListKind::Events, IDD_EVENTS, IDC_EVT_CALENDAR, IDC_EVT_LIST, IDC_EVT_SAVE, IDC_EVT_LOAD,
     IDC_EVT_LINK, "/tempovista/events", IDC_EVT_REMIND, IDC_EVT_AHEAD, IDC_EVT_AHEAD_SPIN},
};

const DateListPageSetup& SetupOf(DateListKind kind) {
  for (const DateListPageSetup& setup : kSetups)
    if (setup.kind == kind) return setup;
  return kSetups[0];
}

COleDateTime DayOf(const COleDateTime& moment) {
  return COleDateTime(moment.GetYear(), moment.GetMonth(), moment.GetDay(), 0, 0, 0);
}

constexpr UINT kMaxDaysAhead = static_cast<UINT>(kMaxRemindDaysAhead);

}  // namespace

CDateListPage::CDateListPage(DateListKind kind, ListOwner* owner)
    : CListFilePage(SetupOf(kind).templateId, kind, SetupOf(kind).loadId, SetupOf(kind).saveId, owner),
      m_setup(SetupOf(kind)) {
  m_selectedDate = COleDateTime::GetCurrentTime();
}

void CDateListPage::DoDataExchange(CDataExchange* pDX) {
  CListFilePage::DoDataExchange(pDX);
  DDX_Control(pDX, m_setup.linkId, m_link);
  DDX_Control(pDX, m_setup.calendarId, m_calendar);
  DDX_MonthCalCtrl(pDX, m_setup.calendarId, m_selectedDate);
  DDX_Text(pDX, IDC_LIST_NAME, m_strEvent);
  DDX_Check(pDX, IDC_LIST_YEARLY, m_bYearly);
  if (m_setup.remindId != 0) {
    DDX_Check(pDX, m_setup.remindId, m_bRemind);
    DDX_Text(pDX, m_setup.aheadId, m_daysAhead);
  }
}

BOOL CDateListPage::OnInitDialog() {
  CListFilePage::OnInitDialog();
  m_link.SetLink(std::string("http://") + kMakerHost + m_setup.linkPath);
  m_link.SetUnderlined(true);
  if (m_pMainDlg != nullptr && m_setup.remindId != 0) {
    m_bRemind = m_pMainDlg->GetNumberSetting(setting::kNotifyToday) != 0 ? TRUE : FALSE;
    const long ahead = m_pMainDlg->GetNumberSetting(setting::kRemindDaysAhead);
    m_daysAhead = ahead < 0 ? 0 : std::min(static_cast<UINT>(ahead), kMaxDaysAhead);
    SendDlgItemMessage(m_setup.aheadSpinId, UDM_SETRANGE32, 0, kMaxDaysAhead);
    SendDlgItemMessage(m_setup.aheadSpinId, UDM_SETPOS32, 0, static_cast<LPARAM>(m_daysAhead));
  }

  m_list.Attach(GetDlgItem(m_setup.listId));
  m_list.InsertColumn(0, "Event", ScaleForDpi(180, GetDpi()));
  m_list.InsertColumn(1, "Date", ScaleForDpi(80, GetDpi()));
  m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

  UpdateData(false);
  RefreshList();
  m_selectedDate = DayOf(COleDateTime::GetCurrentTime());
  SyncSelection();
  UpdateData(false);
  EnableSaveFile();
  EnableDaysAhead();
  m_initialised = true;
  return TRUE;
}

bool CDateListPage::OnCommand(WORD id, WORD code, HWND control) {
  if (code == BN_CLICKED && id == IDC_LIST_ADD) {
    OnAddOrUpdate();
  } else if (code == BN_CLICKED && id == IDC_LIST_DELETE) {
    OnDelete();
  } else if (code == BN_CLICKED && id == IDC_HOL_READYMADE) {  // on the Holidays page only
    OnReadyMade();
  } else if (code == BN_CLICKED && m_setup.remindId != 0 && id == m_setup.remindId) {
    OnRemindBox();
  } else if (code == EN_CHANGE && m_setup.aheadId != 0 && id == m_setup.aheadId) {
    OnDaysAhead();
  } else {
    return CListFilePage::OnCommand(id, code, control);
  }
  return true;
}

bool CDateListPage::OnNotify(int id, NMHDR* header, LRESULT* result) {
  // The calendar's own day-state requests go unanswered: bold days change
  // only through RefreshList.
  if (id == m_setup.calendarId && header->code == MCN_SELCHANGE) {
    OnCalendarChange();
  } else if (id == m_setup.listId && header->code == NM_CLICK) {
    OnRowClick();
  } else if (id == m_setup.listId &&
             (header->code == LVN_GETDISPINFOA || header->code == LVN_GETDISPINFOW)) {
    // Both forms carry the row and column at the same place.
    const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    if (item.iItem >= 0 && item.iItem < static_cast<int>(m_rows.size())) {
      const Row& row = m_rows[static_cast<size_t>(item.iItem)];
      CListView::CopyDispInfoText(header, item.iSubItem == 0 ? row.name : row.dateText);
    }
  } else {
    return CPropertyPage::OnNotify(id, header, result);
  }
  *result = 0;
  return true;
}

void CDateListPage::RefreshList() {
  EnableSaveFile();
  // The rows ask the page for their texts when they are drawn, so a new
  // month only adds or removes the difference in rows: setting each text
  // would draw the list after every one on some systems.
  m_list.ClearSelection();
  m_rows.clear();
  for (const Occurrence& o : MarkListDays(m_calendar, List(), m_setup.kind)) {
    const COleDateTime day(static_cast<double>(o.day));
    m_rows.push_back(Row{day, ShownName(*o.record, o.day, m_setup.kind), DateText(day)});
  }
  const int count = static_cast<int>(m_rows.size());
  for (int row = m_list.GetItemCount(); row < count; ++row) m_list.InsertCallbackItem(row, 2, row);
  for (int row = m_list.GetItemCount() - 1; row >= count; --row) m_list.DeleteItem(row);
  m_list.RedrawItems();
}

DateRecordList::iterator CDateListPage::FindSelected() {
  DateRecordList& list = List();
  const long long day = DayIndex(m_selectedDate.m_dt);
  for (auto it = list.begin(); it != list.end(); ++it)
    if (OccursOn(*it, day)) return it;
  return list.end();
}

void CDateListPage::ShowSelection(bool found) {
  SetDlgItemText(IDC_LIST_ADD, found ? "&Update" : "&Add");
  EnableItem(IDC_LIST_ADD, true);
  EnableItem(IDC_LIST_DELETE, found);
}

void CDateListPage::SyncSelection() {
  const auto found = FindSelected();
  const bool has = found != List().end();
  // A yearly record's own name, never its years count.
  m_strEvent = has ? found->name : std::string();
  m_bYearly = has && found->yearly ? TRUE : FALSE;
  ShowSelection(has);
}

void CDateListPage::SelectRecord(const std::string&, const COleDateTime& date) { ShowDay(date); }

// As a pick on the calendar: the calendar turns to the day first, so that
// the rows and bold days are those of its month.
void CDateListPage::ShowDay(const COleDateTime& day) {
  if (m_hWnd == nullptr) return;
  UpdateData(true);
  m_selectedDate = DayOf(day);
  UpdateData(false);
  OnCalendarChange();
}

void CDateListPage::OnCalendarChange() {
  UpdateData(true);
  RefreshList();
  m_strEvent.clear();
  SyncSelection();
  UpdateData(false);
}

void CDateListPage::OnRowClick() {
  UpdateData(true);
  const int row = m_list.GetNextItem(-1);
  if (row >= 0 && row < static_cast<int>(m_rows.size())) m_selectedDate = m_rows[static_cast<size_t>(row)].date;
  SyncSelection();
  SYSTEMTIME before[2]{};
  SendDlgItemMessage(m_setup.calendarId, MCM_GETMONTHRANGE, GMR_DAYSTATE,
                     reinterpret_cast<LPARAM>(before));
  UpdateData(false);
  // A row of a neighbouring month's grey days turns the calendar to that
  // month: its bold days and rows follow.
  SYSTEMTIME after[2]{};
  SendDlgItemMessage(m_setup.calendarId, MCM_GETMONTHRANGE, GMR_DAYSTATE,
                     reinterpret_cast<LPARAM>(after));
  if (before[0].wYear != after[0].wYear || before[0].wMonth != after[0].wMonth ||
      before[0].wDay != after[0].wDay) {
    RefreshList();
  }
}

void CDateListPage::OnAddOrUpdate() {
  UpdateData(true);
  // Names are taken as typed, empty ones too; the list file writes the few
  // characters it cannot hold (bars, line breaks) as spaces.
  DateRecordList& list = List();
  // A yearly record found on a later day keeps its first date: cleared,
  // it is a one-time record there.
  auto found = FindSelected();
  if (found != list.end()) {
    found->name = m_strEvent;
    found->yearly = m_bYearly != FALSE;
  } else {
    list.push_back(DateRecord{m_strEvent, m_selectedDate, true});
    list.back().yearly = m_bYearly != FALSE;
    SortByDate(list);
  }
  ShowSelection(FindSelected() != list.end());
  ListEdited();
  UpdateData(false);
  RefreshList();
}

void CDateListPage::OnDelete() {
  UpdateData(true);
  DateRecordList& list = List();
  const auto found = FindSelected();
  if (found == list.end()) {
    RefreshList();
    return;
  }
  if (found->yearly && MessageBox("\"" + found->name + "\" comes back every year.\nDelete it in every year?",
                                  kProgramTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  list.erase(found);
  SortByDate(list);
  m_strEvent.clear();
  m_bYearly = FALSE;
  ShowSelection(false);
  ListEdited();
  UpdateData(false);
  RefreshList();
}

void CDateListPage::OnListRead(bool) { RefreshList(); }

void CDateListPage::OnListSaved() {
  if (m_hWnd != nullptr) EnableItem(m_setup.saveId, false);
}

// The chosen list is loaded from the user's copy as Load File would load it;
// a country that works another week than the user's is offered for the
// business days.
void CDateListPage::OnReadyMade() {
  UpdateData(true);
  const ReadyMadeChoice choice = CReadyMadeDlg::ChooseCopy(m_hWnd);
  if (choice.copy.empty() || m_pMainDlg == nullptr) return;
  if (LoadListFile(*m_pMainDlg, choice.copy)) {
    m_location = choice.copy;
    OfferWorkWeek(choice);
  }
  RefreshList();
  UpdateData(false);
}

// The main window reads the setting when it announces a day.
void CDateListPage::OnRemindBox() {
  UpdateData(true);
  if (m_pMainDlg != nullptr) m_pMainDlg->SetNumberSetting(setting::kNotifyToday, m_bRemind ? 1 : 0);
  EnableDaysAhead();
}

// Typed or stepped: a number past the reminder's reach is its reach.
void CDateListPage::OnDaysAhead() {
  // The box's first texts, written while the page starts, are no user's.
  if (!m_initialised) return;
  UpdateData(true);
  if (m_daysAhead > kMaxDaysAhead) {
    m_daysAhead = kMaxDaysAhead;
    UpdateData(false);
  }
  if (m_pMainDlg != nullptr && m_pMainDlg->GetNumberSetting(setting::kRemindDaysAhead) != static_cast<long>(m_daysAhead))
    m_pMainDlg->SetNumberSetting(setting::kRemindDaysAhead, static_cast<long>(m_daysAhead));
}

void CDateListPage::EnableDaysAhead() {
  if (m_setup.aheadId == 0) return;
  EnableItem(m_setup.aheadId, m_bRemind != FALSE);
  EnableItem(m_setup.aheadSpinId, m_bRemind != FALSE);
}

void CDateListPage::OfferWorkWeek(const ReadyMadeChoice& choice) const {
  if (m_pMainDlg == nullptr) return;
  if (choice.week == WorkWeek(static_cast<uint32_t>(m_pMainDlg->GetNumberSetting(setting::kWorkWeek)))) return;
  if (MessageBox(choice.country + " works " + WorkWeekText(choice.week, false) +
                     ". Use this work week for business days?",
                 kProgramTitle, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    m_pMainDlg->SetNumberSetting(setting::kWorkWeek, static_cast<long>(choice.week.Bits()));
  }
}
