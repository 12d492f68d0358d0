#include "dialogs/CWorkWeekDlg.h"

#include "framework/LocaleText.h"
#include "resource.h"

CWorkWeekDlg::CWorkWeekDlg(WorkWeek week)
    : CDialog(IDD_WORKWEEK), m_week(week), m_firstDay(FirstDayOfWeek()) {}

void CWorkWeekDlg::DoDataExchange(CDataExchange* pDX) {
  for (int position = 0; position < 7; ++position) DDX_Check(pDX, IDC_WW_FIRSTDAY + position, m_bWorks[position]);
}

BOOL CWorkWeekDlg::OnInitDialog() {
  for (int position = 0; position < 7; ++position) {
    SetDlgItemText(IDC_WW_FIRSTDAY + position, DayName(DayAt(position)));
    m_bWorks[position] = m_week.Works(DayAt(position)) ? TRUE : FALSE;
  }
  UpdateData(false);
  return TRUE;
}

uint32_t CWorkWeekDlg::CheckedBits() const {
  uint32_t bits = 0;
  for (int position = 0; position < 7; ++position) {
    if (m_bWorks[position]) bits |= 1u << (DayAt(position) - 1);
  }
  return bits;
}

bool CWorkWeekDlg::OnCommand(WORD id, WORD code, HWND control) {
  if (code == BN_CLICKED && id >= IDC_WW_FIRSTDAY && id < IDC_WW_FIRSTDAY + 7) {
    UpdateData(true);
    EnableItem(IDOK, CheckedBits() != 0);
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CWorkWeekDlg::OnOK() {
  UpdateData(true);
  if (CheckedBits() == 0) return;  // a week without a working day is none
  m_week = WorkWeek(CheckedBits());
  EndDialog(IDOK);
}
