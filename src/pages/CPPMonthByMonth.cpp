#include "pages/CPPMonthByMonth.h"

#include <climits>
#include <cstdio>

#include "base/DifferenceCalc.h"
#include "base/ProgramNames.h"
#include "base/SettingsDefaults.h"
#include "base/YearsMonthsDays.h"
#include "controls/CalendarMarks.h"
#include "dialogs/CWorkWeekDlg.h"
#include "dialogs/CYearTableDlg.h"
#include "framework/LocaleText.h"
#include "framework/SystemTime.h"
#include "lists/BusinessDays.h"
#include "resource.h"

CPPMonthByMonth* g_pMonthByMonthPage = nullptr;

namespace {

constexpr UINT_PTR kUpdateTimer = 1;
constexpr UINT_PTR kStartupTimer = 2;
constexpr UINT kStartupDelayMs = 500;

struct UnitItem {
  const char* text;
  DWORD code;
};
constexpr UnitItem kUnits[] = {
    {"Days", kUnitDays},     {"Weeks", kUnitWeeks},
    {"Months", kUnitMonths}, {"Year", kUnitYears},
    {"Business days", kUnitBusinessDays}};
constexpr int kYearItem = 3;

std::string Decimal(long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%ld", value);
  return text;
}

// A period that gives no meaningful timer (zero, negative, or too many
// milliseconds for the timer's 32 bits) falls back to the default.
UINT UpdatePeriodMs(LONG seconds) {
  if (seconds <= 0 || seconds > INT_MAX / 1000) seconds = DefaultNumber(setting::kUpdatePeriod);
  return static_cast<UINT>(seconds) * 1000u;
}

}  // namespace

CPPMonthByMonth::CPPMonthByMonth(ListOwner* owner)
    : CPropertyPage(IDD_MONTHBYMONTH),
      m_nDifference(static_cast<DWORD>(DefaultNumber(setting::kDifference))),
      m_pMainDlg(owner) {
  m_startDate = COleDateTime::GetCurrentTime();
  // The end date is computed at initialisation; until then, and should that
  // move fail, it equals the start so the calendar never sees a stray date.
  m_endDate = m_startDate;
  g_pMonthByMonthPage = this;
}

CPPMonthByMonth::~CPPMonthByMonth() {
  if (g_pMonthByMonthPage == this) g_pMonthByMonthPage = nullptr;
}

void CPPMonthByMonth::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_MBM_STARTCAL, m_startCal);
  DDX_Control(pDX, IDC_MBM_ENDCAL, m_endCal);
  DDX_MonthCalCtrl(pDX, IDC_MBM_STARTCAL, m_startDate);
  DDX_MonthCalCtrl(pDX, IDC_MBM_ENDCAL, m_endDate);
  DDX_Text(pDX, IDC_MBM_TODAY, m_strToday);
  DDX_Check(pDX, IDC_MBM_LOCK, m_bLockDifference);
  DDX_Text(pDX, IDC_MBM_AMOUNT, m_strAmount);
  DDX_Text(pDX, IDC_MBM_START, m_strStart);
  DDX_Text(pDX, IDC_MBM_END, m_strEnd);
  DDX_Text(pDX, IDC_MBM_DAYS, m_strDays);
  DDX_Text(pDX, IDC_MBM_WEEKDAYS, m_strWeekdays);
  DDX_Text(pDX, IDC_MBM_WEEKS, m_strWeeks);
  DDX_Text(pDX, IDC_MBM_BUSINESSDAYS, m_strBusinessDays);
  DDX_Check(pDX, IDC_MBM_INCLUDESTART, m_bIncludeStartDate);
  DDX_Text(pDX, IDC_MBM_YEARSMONTHSDAYS, m_strYearsMonthsDays);
}

BOOL CPPMonthByMonth::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  IndexHolidays();

  FillUnits();
  const LONG updatePeriod = ReadSettings();
  m_strAmount = Decimal(static_cast<long>(m_nDifference & kAmountMask));

  SendDlgItemMessage(IDC_MBM_UNIT, CB_SETCURSEL, kYearItem);
  for (int i = 0; i < static_cast<int>(sizeof kUnits / sizeof kUnits[0]); ++i) {
    if (kUnits[i].code == (m_nDifference & kUnitMask)) SendDlgItemMessage(IDC_MBM_UNIT, CB_SETCURSEL, i);
  }

  m_nLastTrayDay = -1;
  SetTimer(kUpdateTimer, UpdatePeriodMs(updatePeriod), MonthByMonthTimerProc);
  SetTimer(kStartupTimer, kStartupDelayMs, MonthByMonthTimerProc);

  UpdateData(false);
  OnCalcDifference();
  MarkHolidays(m_startCal);
  MarkHolidays(m_endCal);
  return TRUE;
}

void CPPMonthByMonth::FillUnits() {
  for (const UnitItem& unit : kUnits) {
    const LRESULT index =
        SendDlgItemMessage(IDC_MBM_UNIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit.text));
    if (index >= 0) SendDlgItemMessage(IDC_MBM_UNIT, CB_SETITEMDATA, index, unit.code);
  }
}

LONG CPPMonthByMonth::ReadSettings() {
  m_nDifference = static_cast<DWORD>(NumberSetting(setting::kDifference));
  m_bLockDifference = NumberSetting(setting::kLinkedDifference) != 0 ? TRUE : FALSE;
  m_bIncludeStartDate = NumberSetting(setting::kIncludeStartDate) != 0 ? TRUE : FALSE;
  return NumberSetting(setting::kUpdatePeriod);
}

LONG CPPMonthByMonth::NumberSetting(const char* name) const {
  return m_pMainDlg != nullptr ? m_pMainDlg->GetNumberSetting(name) : DefaultNumber(name);
}

void CPPMonthByMonth::StoreNumberSetting(const char* name, LONG value) {
  if (m_pMainDlg != nullptr) m_pMainDlg->SetNumberSetting(name, value);
}

DWORD CPPMonthByMonth::SelectedUnit() const {
  const LRESULT index = SendDlgItemMessage(IDC_MBM_UNIT, CB_GETCURSEL);
  if (index == CB_ERR) return m_nDifference & kUnitMask;
  return static_cast<DWORD>(SendDlgItemMessage(IDC_MBM_UNIT, CB_GETITEMDATA, index));
}

// The holidays may have changed on another page: the bold days and the
// counts follow them, while the dates, the difference and the settings stay.
BOOL CPPMonthByMonth::OnSetActive() {
  IndexHolidays();
  MarkHolidays(m_startCal);
  MarkHolidays(m_endCal);
  ComputeCounts();
  return CPropertyPage::OnSetActive();
}

bool CPPMonthByMonth::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_MBM_RESET: OnResetToToday(); return true;
    case IDC_MBM_LOCK: OnLockDifference(); return true;
    case IDC_MBM_CALC: OnCalcDifference(); return true;
    case IDC_MBM_WORKWEEK: OnWorkWeek(); return true;
    case IDC_MBM_INCLUDESTART: OnIncludeStartDate(); return true;
    case IDC_MBM_YEARTABLE: OnYearTable(); return true;
    default: return false;
  }
}

bool CPPMonthByMonth::OnNotify(int id, NMHDR* header, LRESULT* result) {
  // The calendars' own day-state requests go unanswered: bold days change
  // only through MarkHolidays.
  if (header->code == MCN_SELCHANGE && (id == IDC_MBM_STARTCAL || id == IDC_MBM_ENDCAL)) {
    Recalculate(id == IDC_MBM_STARTCAL);
    *result = 0;
    return true;
  }
  return CPropertyPage::OnNotify(id, header, result);
}

void CPPMonthByMonth::Recalculate(bool startChanged) {
  UpdateData(true);
  if (m_bLockDifference) {
    MoveDates(startChanged);
  } else {
    FollowDates();
  }
  m_strStart = DateText(m_startDate);
  m_strEnd = DateText(m_endDate);
  MarkHolidays(m_startCal);
  MarkHolidays(m_endCal);
  ComputeCounts();
  m_strToday = DateText(COleDateTime::GetCurrentTime());
  UpdateData(false);
}

void CPPMonthByMonth::MoveDates(bool startChanged) {
  const long amount = ReadAmount(m_strAmount);
  const DWORD unit = SelectedUnit();
  m_nDifference = PackDifference(amount, unit);
  COleDateTime moved;
  SYSTEMTIME day{};
  // A date the other calendar refuses (before its earliest day) fails like
  // any impossible move, rather than show in the texts and counts while the
  // calendar keeps its old day.
  CTipMonthCal& other = startChanged ? m_endCal : m_startCal;
  const COleDateTime& base = startChanged ? m_startDate : m_endDate;
  const long n = startChanged ? amount : -amount;
  // Business days need the work week and the holidays, which the date
  // arithmetic knows nothing of.
  const bool done = unit == kUnitBusinessDays ? MoveByBusinessDays(base, n, m_holidayIndex, moved)
                                              : MoveByDifference(base, n, unit, moved);
  if (!done || !ToSystemTime(moved, day) || !other.SetCurSel(day)) {
    MessageBox("Unable to set the date to the difference.\nPlease reduce the difference.",
               "Month by Month Error", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  (startChanged ? m_endDate : m_startDate) = moved;
}

void CPPMonthByMonth::FollowDates() {
  if (m_endDate < m_startDate) m_endDate = m_startDate;
  const DWORD unit = SelectedUnit();
  // In business days, the count from the start to the end: Calc Difference
  // then brings an end on a working day back to itself.
  const long value = unit == kUnitBusinessDays ? CountBusinessDays(m_startDate, m_endDate, m_holidayIndex)
                                               : UnlockedDifference(m_startDate, m_endDate, unit);
  // The edit shows the whole value; the packed form keeps it to 16 bits so
  // that it never spills into the unit.
  m_strAmount = Decimal(value);
  m_nDifference = PackDifference(value, unit);
}

const DateRecordList& CPPMonthByMonth::Holidays() const {
  static const DateRecordList kNoHolidays;
  return m_pMainDlg != nullptr ? m_pMainDlg->GetList(DateListKind::Holidays) : kNoHolidays;
}

// The index keeps the holidays on the work week's working days, so the
// week is taken with the list.
void CPPMonthByMonth::IndexHolidays() {
  m_holidayIndex.Rebuild(Holidays(), WorkWeek(static_cast<uint32_t>(NumberSetting(setting::kWorkWeek))));
}

void CPPMonthByMonth::ComputeCounts() {
  const COleDateTime from = CountingStart(m_startDate, m_bIncludeStartDate != FALSE);
  const long days = CountDays(from, m_endDate);
  m_strDays = Decimal(days);
  m_strWeeks = FormatWeeks(days);
  m_strWeekdays = Decimal(CountWeekdays(from, m_endDate));
  m_strBusinessDays = Decimal(CountBusinessDays(from, m_endDate, m_holidayIndex));
  m_strYearsMonthsDays =
      YearsMonthsDaysText(YearsMonthsDaysBetween(m_startDate, m_endDate, m_bIncludeStartDate != FALSE));
}

void CPPMonthByMonth::MarkHolidays(CTipMonthCal& calendar) {
  MarkListDays(calendar, Holidays(), DateListKind::Holidays);
}

void CPPMonthByMonth::OnResetToToday() {
  UpdateData(true);
  m_startDate = COleDateTime::GetCurrentTime();
  m_strToday = DateText(m_startDate);
  UpdateData(false);
  Recalculate(true);
}

void CPPMonthByMonth::StoreDifference() {
  StoreNumberSetting(setting::kDifference, static_cast<LONG>(m_nDifference));
  StoreNumberSetting(setting::kLinkedDifference, m_bLockDifference ? 1 : 0);
}

// A new week counts and moves as a new start date does: a locked difference
// in business days moves the end.
void CPPMonthByMonth::OnWorkWeek() {
  CWorkWeekDlg dlg(m_holidayIndex.Week());
  if (dlg.DoModal(m_hWnd) != IDOK) return;
  StoreNumberSetting(setting::kWorkWeek, static_cast<LONG>(dlg.m_week.Bits()));
  IndexHolidays();
  Recalculate(true);
}

// The box changes the counts only: the difference still moves the end to
// the start plus its amount.
void CPPMonthByMonth::OnIncludeStartDate() {
  UpdateData(true);
  StoreNumberSetting(setting::kIncludeStartDate, m_bIncludeStartDate ? 1 : 0);
  ComputeCounts();
  UpdateData(false);
}

// The start date's year, counted with the holidays and the work week the
// page's business days take.
void CPPMonthByMonth::OnYearTable() {
  CYearTableDlg dlg(m_startDate.GetYear(), CTipMonthCal::EarliestYear(), m_holidayIndex, m_pMainDlg);
  dlg.DoModal(m_hWnd);
}

void CPPMonthByMonth::OnLockDifference() {
  Recalculate(true);
  MarkHolidays(m_startCal);
  MarkHolidays(m_endCal);
  StoreDifference();
}

void CPPMonthByMonth::OnCalcDifference() {
  if (!m_bLockDifference) {
    UpdateData(true);
    m_bLockDifference = TRUE;
    UpdateData(false);
    Recalculate(true);
    UpdateData(true);
    m_bLockDifference = FALSE;
    UpdateData(false);
  }
  OnLockDifference();
}

void CPPMonthByMonth::OnTimerTick(UINT_PTR timerId) {
  // One reading of the clock: at midnight the text and the tray's day
  // must not tell two different days.
  const COleDateTime now = COleDateTime::GetCurrentTime();
  UpdateData(true);
  m_strToday = DateText(now);
  UpdateData(false);

  const int today = now.GetDay();
  if (today != m_nLastTrayDay) {
    if (m_pMainDlg != nullptr) m_pMainDlg->ModifyTrayIcon(m_strToday, now);
    m_nLastTrayDay = today;
  }

  if (timerId == kStartupTimer) {
    if (m_pMainDlg != nullptr) m_pMainDlg->RestoreWindowState();
    KillTimer(kStartupTimer);
  }
}
