#include "pages/CPPCountDown.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "base/Clock.h"
#include "base/LocalTime.h"
#include "base/NarrowText_win.h"
#include "base/ProgramNames.h"
#include "base/SpanText.h"
#include "controls/MakerSite.h"
#include "framework/Dpi.h"
#include "framework/SystemTime.h"
#include "lists/DateTextParser.h"
#include "lists/ReminderText.h"
#include "resource.h"

CPPCountDown* g_pCountDownPage = nullptr;

namespace {
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 500;

bool SameValue(const COleDateTime& a, const COleDateTime& b) {
  return a.m_dt == b.m_dt && a.m_status == b.m_status;
}

std::string AnsiText(const wchar_t* text) {
  std::string ansi;
  NarrowText(text, std::wcslen(text), ansi);
  return ansi;
}
}  // namespace

CPPCountDown::CPPCountDown(ListOwner* owner)
    : CListFilePage(IDD_COUNTDOWN, DateListKind::Counters, IDC_CD_LOAD, IDC_CD_SAVE, owner) {
  g_pCountDownPage = this;
  m_endDay = m_endTime = COleDateTime::GetCurrentTime();
}

CPPCountDown::~CPPCountDown() {
  if (g_pCountDownPage == this) g_pCountDownPage = nullptr;
}

DateRecordList::iterator CPPCountDown::FindActive(int index) {
  DateRecordList& counters = List();
  if (index < 0) return counters.end();
  for (auto it = counters.begin(); it != counters.end(); ++it) {
    if (!it->active) continue;
    if (index-- == 0) return it;
  }
  return counters.end();
}

// The end the two pickers show: the date of one, the time of the other.
COleDateTime CPPCountDown::ComposedEnd() const {
  COleDateTime end(0.0, COleDateTime::invalid);
  DateBreakdown day, time;
  if (m_endDay.GetAsBreakdown(day) && m_endTime.GetAsBreakdown(time)) {
    end.SetDateTime(day.year, day.month, day.day, time.hour, time.minute, time.second);
  }
  return end;
}

void CPPCountDown::DoDataExchange(CDataExchange* pDX) {
  CListFilePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CD_LINK, m_link);
  DDX_Text(pDX, IDC_CD_NAME, m_strName);
  DDX_DateTimeCtrl(pDX, IDC_CD_ENDDAY, m_endDay);
  DDX_DateTimeCtrl(pDX, IDC_CD_ENDTIME, m_endTime);
  DDX_Check(pDX, IDC_CD_NOTIFY, m_bNotify);
}

BOOL CPPCountDown::OnInitDialog() {
  CListFilePage::OnInitDialog();
  m_link.SetLink(std::string("http://") + kMakerHost + "/tempovista/counters");
  m_link.SetUnderlined(true);
  m_nTimer = SetTimer(kRefreshTimer, kRefreshMs, CountdownTimerProc);
  m_now = ClockSeconds();
  if (m_pMainDlg != nullptr) m_bNotify = m_pMainDlg->GetNumberSetting(setting::kNotifyCountdowns) != 0 ? TRUE : FALSE;

  m_list.Attach(GetDlgItem(IDC_CD_LIST));
  m_list.InsertColumn(0, "Counter", ScaleForDpi(240, GetDpi()));
  // An end late on a December evening is about the longest in most locales.
  m_list.InsertColumn(1, "End Date Time", ScaleForDpi(140, GetDpi()), LVCFMT_LEFT,
                      EndText(COleDateTime(2026, 12, 28, 22, 58, 58)));
  m_list.InsertColumn(2, "Remaining Time", ScaleForDpi(100, GetDpi()), LVCFMT_RIGHT);
  m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

  EnableItem(IDC_CD_UPDATE, false);
  EnableItem(IDC_CD_DELETE, false);
  RefreshCounters();
  UpdateData(false);
  return TRUE;
}

bool CPPCountDown::OnCommand(WORD id, WORD code, HWND control) {
  if (code != BN_CLICKED) return CListFilePage::OnCommand(id, code, control);
  switch (id) {
    case IDC_CD_ADD: OnAdd(); return true;
    case IDC_CD_UPDATE: OnUpdate(); return true;
    case IDC_CD_DELETE: OnDelete(); return true;
    case IDC_CD_NOTIFY: OnNotifyBox(); return true;
    default: return CListFilePage::OnCommand(id, code, control);
  }
}

bool CPPCountDown::OnNotify(int id, NMHDR* header, LRESULT* result) {
  if (id == IDC_CD_LIST && header->code == NM_CLICK) {
    OnPick();
  } else if (id == IDC_CD_LIST && (header->code == LVN_GETDISPINFOA || header->code == LVN_GETDISPINFOW)) {
    OnGetDispInfo(header);
  } else if ((id == IDC_CD_ENDDAY || id == IDC_CD_ENDTIME) && header->code == DTN_USERSTRINGA) {
    auto* typed = reinterpret_cast<NMDATETIMESTRINGA*>(header);
    OnPickerText(id, typed->pszUserString != nullptr ? typed->pszUserString : "", typed->st,
                 typed->dwFlags);
  } else if ((id == IDC_CD_ENDDAY || id == IDC_CD_ENDTIME) && header->code == DTN_USERSTRINGW) {
    auto* typed = reinterpret_cast<NMDATETIMESTRINGW*>(header);
    OnPickerText(id, typed->pszUserString != nullptr ? AnsiText(typed->pszUserString) : "",
                 typed->st, typed->dwFlags);
  } else {
    return CPropertyPage::OnNotify(id, header, result);
  }
  *result = 0;
  return true;
}

// Text typed into a picker is read as the list files' dates are; the picker
// takes the part it shows (the date, or the time of day) and keeps the
// rest. Text that is no date leaves the picker as it was.
void CPPCountDown::OnPickerText(int id, const std::string& text, SYSTEMTIME& value, DWORD& flags) const {
  SYSTEMTIME shown{};
  if (SendDlgItemMessage(id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) != GDT_VALID)
    ::GetLocalTime(&shown);
  value = shown;
  flags = GDT_VALID;
  SYSTEMTIME typed{};
  if (!ToSystemTime(ParseDateText(text), typed)) return;  // no date
  if (id == IDC_CD_ENDDAY) {
    value.wYear = typed.wYear;
    value.wMonth = typed.wMonth;
    value.wDay = typed.wDay;
    value.wDayOfWeek = typed.wDayOfWeek;
  } else {
    value.wHour = typed.wHour;
    value.wMinute = typed.wMinute;
    value.wSecond = typed.wSecond;
  }
  value.wMilliseconds = 0;
}

// The rows stay where they are, so neither the selection nor the scroll
// position moves; only as many rows come or go as counters did.
void CPPCountDown::RefreshCounters() {
  EnableSaveFile();
  RefreshRows();
}

// The tick's part: the Save File button changes only with the list or its
// web load, which enable it themselves.
void CPPCountDown::RefreshRows() {
  if (SyncRows()) {
    m_list.RedrawItems();
  } else {
    RedrawChangedTimes();
  }
}

// The rows' names and end texts from the active counters (an end is
// formatted only when it changed); true when any of them changed.
bool CPPCountDown::SyncRows() {
  bool changed = false;
  size_t row = 0;
  for (const DateRecord& counter : List()) {
    if (!counter.active) continue;
    if (row == m_rows.size()) m_rows.emplace_back();
    RowText& shown = m_rows[row++];
    if (shown.name != counter.name) {
      shown.name = counter.name;
      changed = true;
    }
    if (!SameValue(shown.end, counter.date) || shown.endText.empty()) {
      shown.end = counter.date;
      shown.endText = EndText(counter.date);
      shown.remaining.clear();
      changed = true;
    }
  }
  m_rows.resize(row);
  const int count = static_cast<int>(row);
  const int listed = m_list.GetItemCount();
  if (listed != count) {
    m_list.SetRedraw(false);
    for (int i = listed; i < count; ++i) m_list.InsertCallbackItem(i, 3, i);
    for (int i = listed - 1; i >= count; --i) m_list.DeleteItem(i);
    m_list.SetRedraw(true);
    changed = true;
  }
  return changed;
}

// The time left changes every second on every running counter: only the
// rows in view whose text changed are drawn again.
void CPPCountDown::RedrawChangedTimes() {
  int first = 0, last = -1;
  m_list.GetVisibleRows(first, last);
  int from = -1, to = -1;
  for (int row = std::max(first, 0); row <= last && row < static_cast<int>(m_rows.size()); ++row) {
    RowText& shown = m_rows[static_cast<size_t>(row)];
    std::string remaining = RemainingText(shown.end, m_now);
    if (remaining == shown.remaining) continue;
    shown.remaining = std::move(remaining);
    if (from < 0) from = row;
    to = row;
  }
  if (from >= 0) m_list.RedrawItems(from, to);
}

void CPPCountDown::OnGetDispInfo(NMHDR* header) {
  // Both forms carry the row and column at the same place.
  const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
  if (item.iItem < 0 || item.iItem >= static_cast<int>(m_rows.size())) return;
  RowText& row = m_rows[static_cast<size_t>(item.iItem)];
  if (item.iSubItem == 0) {
    CListView::CopyDispInfoText(header, row.name);
  } else if (item.iSubItem == 1) {
    CListView::CopyDispInfoText(header, row.endText);
  } else {
    row.remaining = RemainingText(row.end, m_now);
    CListView::CopyDispInfoText(header, row.remaining);
  }
}

// While the list cannot be seen (another page is shown, or the window is
// hidden or minimised) the ticks leave it alone: it asks for its texts
// when it is drawn again.
bool CPPCountDown::ListShowing() const {
  HWND list = m_list.GetSafeHwnd();
  return list != nullptr && ::IsWindowVisible(list) && !::IsIconic(::GetAncestor(list, GA_ROOT));
}

// Every row's time left is worked out from the tick's one reading of the
// clock, also where the list asks for it later to draw it.
void CPPCountDown::OnTimerTick(UINT_PTR) {
  m_now = ClockSeconds();
  if (ListShowing()) RefreshRows();
}

// After the list was replaced, a row index points at some other counter:
// nothing stays picked.
void CPPCountDown::PickNothing() {
  m_nSelected = -1;
  m_list.ClearSelection();
  EnableItem(IDC_CD_UPDATE, false);
  EnableItem(IDC_CD_DELETE, false);
}

void CPPCountDown::OnPick() {
  UpdateData(true);
  const int row = m_list.GetNextItem(-1);
  if (row >= 0) {
    m_nSelected = static_cast<int>(m_list.GetItemData(row));
    const auto found = FindActive(m_nSelected);
    if (found != List().end()) {
      m_strName = found->name;
      // An invalid end shows as now in the pickers, which is what Update
      // would then write.
      m_endDay = m_endTime = found->date.IsValid() ? found->date : COleDateTime::GetCurrentTime();
      EnableItem(IDC_CD_ADD, true);
      EnableItem(IDC_CD_UPDATE, true);
      EnableItem(IDC_CD_DELETE, true);
    }
  }
  UpdateData(false);
}

void CPPCountDown::SelectRecord(const std::string& name, const COleDateTime& end) {
  if (m_hWnd == nullptr) return;
  RefreshCounters();  // the rows as the list is now
  int row = 0;
  for (const DateRecord& counter : List()) {
    if (!counter.active) continue;
    if (counter.name == name && SameValue(counter.date, end)) {
      m_list.SelectItem(row);
      OnPick();
      return;
    }
    ++row;
  }
}

void CPPCountDown::ShowDay(const COleDateTime& day) {
  if (m_hWnd == nullptr) return;
  UpdateData(true);
  m_endDay = day;
  UpdateData(false);
}

void CPPCountDown::OnAdd() {
  UpdateData(true);
  DateRecordList& counters = List();
  counters.push_back(DateRecord{m_strName, ComposedEnd(), true});
  SortByDate(counters);
  EnableItem(IDC_CD_ADD, true);
  EnableItem(IDC_CD_UPDATE, false);
  EnableItem(IDC_CD_DELETE, false);
  ListEdited();
  m_nSelected = -1;
  RefreshCounters();
  UpdateData(false);
}

// The list is not sorted again: the counter keeps its row until the next
// Add or load.
void CPPCountDown::OnUpdate() {
  UpdateData(true);
  const auto found = FindActive(m_nSelected);
  if (found == List().end()) return;
  found->name = m_strName;
  found->date = ComposedEnd();
  EnableItem(IDC_CD_ADD, true);
  EnableItem(IDC_CD_UPDATE, true);
  EnableItem(IDC_CD_DELETE, true);
  ListEdited();
  RefreshCounters();
  UpdateData(false);
}

void CPPCountDown::OnDelete() {
  UpdateData(true);
  const auto found = FindActive(m_nSelected);
  if (found != List().end()) {
    found->active = false;
    found->name.clear();
    m_nSelected = -1;
    EnableItem(IDC_CD_ADD, true);
    EnableItem(IDC_CD_UPDATE, false);
    EnableItem(IDC_CD_DELETE, false);
    ListEdited();
    RefreshCounters();
    UpdateData(false);
  }
  RefreshCounters();
}

// The main window reads the setting when a counter ends.
void CPPCountDown::OnNotifyBox() {
  UpdateData(true);
  if (m_pMainDlg != nullptr) m_pMainDlg->SetNumberSetting(setting::kNotifyCountdowns, m_bNotify ? 1 : 0);
}

// A list read from a file has new rows: nothing stays picked.
void CPPCountDown::OnListRead(bool replaced) {
  if (replaced) PickNothing();
  RefreshCounters();
}

// The save read the list back, sorted and without the deleted counters.
void CPPCountDown::OnListSaved() {
  if (m_hWnd == nullptr) return;
  PickNothing();
  RefreshCounters();
}
