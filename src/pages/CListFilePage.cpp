#include "pages/CListFilePage.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "base/ProgramNames.h"
#include "framework/Prompt.h"
#include "lists/ListKindInfo.h"
#include "resource.h"

void CListFilePage::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_LIST_LOCATION, m_location); }

BOOL CListFilePage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (m_pMainDlg != nullptr) m_location = m_pMainDlg->GetTextSetting(GetListKindInfo(ListKind()).locationSetting);
  return TRUE;
}

bool CListFilePage::OnCommand(WORD id, WORD code, HWND control) {
  if (code == BN_CLICKED && id == m_loadId) {
    OnLoadFile();
  } else if (code == BN_CLICKED && id == m_saveId) {
    OnSaveFile();
  } else if (code == BN_CLICKED && id == IDC_LIST_BROWSE) {
    OnBrowse();
  } else {
    return CPropertyPage::OnCommand(id, code, control);
  }
  return true;
}

DateRecordList& CListFilePage::List() {
  static DateRecordList none;  // only without an owner, which never edits it
  return m_pMainDlg != nullptr ? m_pMainDlg->GetList(ListKind()) : none;
}

void CListFilePage::ListEdited() {
  m_listChanged = true;
  if (m_pMainDlg != nullptr) m_pMainDlg->OnListChanged(ListKind());
}

void CListFilePage::OnLoadFile() {
  UpdateData(true);
  OnListRead(m_pMainDlg != nullptr && LoadListFile(*m_pMainDlg, m_location));
}

void CListFilePage::OnSaveFile() {
  UpdateData(true);
  if (m_pMainDlg != nullptr) SaveListFile(*m_pMainDlg);
}

void CListFilePage::OnBrowse() {
  UpdateData(true);
  if (m_pMainDlg != nullptr && BrowseListFile()) OnListRead(true);
  UpdateData(false);
}

bool CListFilePage::BrowseListFile() {
  const ListKindInfo& info = GetListKindInfo(ListKind());
  std::string filter = info.fileFilter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  std::vector<char> file(MAX_PATH * 4, '\0');
  m_location.copy(file.data(), file.size() - 1);

  OPENFILENAMEA ofn =
      FileDialogRecord(m_hWnd, filter.c_str(), file, info.extension + 1, OFN_HIDEREADONLY | OFN_EXPLORER);
  ofn.lpstrInitialDir = m_location.c_str();

  bool retried = false;
  while (!ShowOpenFileDialog(ofn)) {
    const DWORD error = OpenFileDialogError();
    if (error == 0) return false;  // cancelled
    if (error == FNERR_INVALIDFILENAME && !retried) {
      // A web address in the file box is no file name: try without it.
      retried = true;
      file[0] = '\0';
      continue;
    }
    MessageBox("Loading of the file selection dialog failed.\n\n"
               "Manually type in the file to load and click the load button.",
               kProgramTitle, MB_OK | MB_ICONERROR);
    return false;
  }
  const std::string chosen = file.data();
  if (!LoadListFile(*m_pMainDlg, chosen)) return false;
  m_location = chosen;
  return true;
}
