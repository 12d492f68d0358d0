#include "dialogs/CYearTableDlg.h"

#include <algorithm>
#include <initializer_list>

#include "base/ProgramNames.h"
#include "framework/Clipboard.h"
#include "framework/Dpi.h"
#include "framework/LocaleText.h"
#include "framework/Prompt.h"
#include "lists/ListSource.h"
#include "resource.h"

namespace {

struct YearTableColumn {
  const char* heading;
  int width;  // pixels at 96 DPI
};
constexpr YearTableColumn kFigureColumns[] = {
    {"Days", 50}, {"Working days", 90}, {"Holidays", 70}, {"Business days", 90}};

}  // namespace

CYearTableDlg::CYearTableDlg(int year, int firstYear, const HolidayIndex& holidays, ListOwner* owner)
    : CDialog(IDD_YEARTABLE),
      m_year(std::min(std::max(year, firstYear), kLastYear)),
      m_firstYear(firstYear),
      m_holidays(holidays),
      m_pOwner(owner) {}

BOOL CYearTableDlg::OnInitDialog() {
  m_list.Attach(GetDlgItem(IDC_YT_LIST));
  m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  // The widest name as the list draws it: bytes say nothing of that.
  std::string widest = "Total";
  for (int month = 1; month <= 12; ++month) {
    m_monthNames[month - 1] = MonthName(month);
    if (m_list.HeadingWidth(m_monthNames[month - 1]) > m_list.HeadingWidth(widest)) widest = m_monthNames[month - 1];
  }
  m_list.InsertColumn(0, "Month", ScaleForDpi(100, GetDpi()), LVCFMT_LEFT, widest);
  int index = 1;
  for (const YearTableColumn& column : kFigureColumns)
    m_list.InsertColumn(index++, column.heading, ScaleForDpi(column.width, GetDpi()), LVCFMT_RIGHT);
  m_list.SpreadColumns(1);
  ShowYear(m_year);
  return TRUE;
}

bool CYearTableDlg::OnCommand(WORD id, WORD code, HWND control) {
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_YT_PREVIOUS: ShowYear(m_year - 1); return true;
      case IDC_YT_NEXT: ShowYear(m_year + 1); return true;
      case IDC_YT_COPY: OnCopy(); return true;
      case IDC_YT_SAVE: OnSave(); return true;
      default: break;
    }
  }
  return CDialog::OnCommand(id, code, control);
}

void CYearTableDlg::ShowYear(int year) {
  if (year < m_firstYear || year > kLastYear) return;
  m_year = year;
  ::SetWindowTextA(m_hWnd, ("Working Days in " + std::to_string(m_year)).c_str());
  const YearWorkingDays table = Table();
  m_list.SetRedraw(false);
  m_list.DeleteAllItems();
  for (int row = 0; row <= 12; ++row) {
    const MonthWorkingDays& figures = row < 12 ? table.Month(row + 1) : table.Total();
    m_list.InsertItem(row, row < 12 ? m_monthNames[row] : "Total", row);
    int column = 1;
    for (const long n : {figures.days, figures.working, figures.holidays, figures.business})
      m_list.SetItemText(row, column++, std::to_string(n));
  }
  m_list.SetRedraw(true);
  EnableMove(IDC_YT_PREVIOUS, m_year > m_firstYear, IDC_YT_NEXT);
  EnableMove(IDC_YT_NEXT, m_year < kLastYear, IDC_YT_PREVIOUS);
}

void CYearTableDlg::EnableMove(int id, bool enable, int other) {
  // A disabled button keeps no focus: the keyboard would be stuck on it.
  if (!enable && ::GetFocus() == GetDlgItem(id))
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(other)), TRUE);
  EnableItem(id, enable);
}

void CYearTableDlg::OnCopy() {
  if (!CopyTextToClipboard(m_hWnd, Table().TabText(m_monthNames)))
    MessageBox("Unable to copy the table: another program holds the clipboard.\nPlease try again.", kProgramTitle,
               MB_OK | MB_ICONEXCLAMATION);
}

// As a list is saved: whole or not at all, and the user told why not.
void CYearTableDlg::OnSave() {
  const std::string path = ChooseCsvSavePath(m_hWnd, "Working days " + std::to_string(m_year) + ".csv");
  if (!path.empty() && m_pOwner != nullptr) StoreListText(*m_pOwner, path, Table().CsvText(), false);
}
