#include "pages/CListFilePage.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "base/ProgramNames.h"
#include "framework/Prompt.h"
#include "lists/ListKindInfo.h"
#include "lists/ListLocation.h"
#include "resource.h"

void CListFilePage::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LIST_LOCATION, m_location);
  DDX_Check(pDX, IDC_LIST_WEB, m_bAllowWeb);
}

BOOL CListFilePage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (m_pMainDlg != nullptr) {
    m_location = m_pMainDlg->GetTextSetting(GetListKindInfo(ListKind()).locationSetting);
    m_bAllowWeb = m_pMainDlg->GetNumberSetting(setting::kInternetAllowed) == 1 ? TRUE : FALSE;
  }
  OnWebStateChanged();
  return TRUE;
}

BOOL CListFilePage::OnSetActive() {
  if (m_pMainDlg != nullptr && m_hWnd != nullptr) {
    UpdateData(true);
    m_bAllowWeb = m_pMainDlg->GetNumberSetting(setting::kInternetAllowed) == 1 ? TRUE : FALSE;
  }
  return CPropertyPage::OnSetActive();
}

bool CListFilePage::OnCommand(WORD id, WORD code, HWND control) {
  if (code == BN_CLICKED && id == m_loadId) {
    OnLoadFile();
  } else if (code == BN_CLICKED && id == m_saveId) {
    OnSaveFile();
  } else if (code == BN_CLICKED && id == IDC_LIST_BROWSE) {
    OnBrowse();
  } else if (code == BN_CLICKED && id == IDC_LIST_WEB) {
    OnAllowWebBox();
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
  if (m_pMainDlg == nullptr) return;
  if (m_pMainDlg->GetWebListState(ListKind()).loading) {  // the button reads Cancel
    m_pMainDlg->CancelListDownload(ListKind());
    return;
  }
  UpdateData(true);
  // A web list comes in beside the window; its end arrives in OnListDownloaded.
  if (IsRemoteLocation(m_location) && AskToAllowWeb()) {
    m_pMainDlg->StartListDownload(ListKind(), m_location);
    return;
  }
  OnListRead(LoadListFile(*m_pMainDlg, m_location));
}

bool CListFilePage::AskToAllowWeb() {
  if (m_pMainDlg->GetNumberSetting(setting::kInternetAllowed) == 1) return true;
  const char question[] = "Loading lists from web addresses is turned off.\n\nTurn it on and load this address?";
  if (m_pMainDlg->ShowListMessage(question, kProgramTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
  m_pMainDlg->SetNumberSetting(setting::kInternetAllowed, 1);
  m_bAllowWeb = TRUE;
  UpdateData(false);
  return true;
}

void CListFilePage::OnAllowWebBox() {
  UpdateData(true);
  if (m_pMainDlg != nullptr) m_pMainDlg->SetNumberSetting(setting::kInternetAllowed, m_bAllowWeb ? 1 : 0);
}

void CListFilePage::OnListDownloaded(const std::string& location, bool replaced) {
  if (replaced) m_listChanged = false;
  if (m_hWnd == nullptr) return;  // the page shows the list when it is first shown
  UpdateData(true);
  m_location = location;
  OnListRead(replaced);
  UpdateData(false);
  OnWebStateChanged();
}

void CListFilePage::OnWebStateChanged() {
  if (m_hWnd == nullptr || m_pMainDlg == nullptr) return;
  const WebListState state = m_pMainDlg->GetWebListState(ListKind());
  SetDlgItemText(m_loadId, state.loading ? "&Cancel" : "&Load File");
  SetDlgItemText(IDC_LIST_STATUS,
                 state.loading ? "Loading... " + std::to_string(state.bytes / 1024) + " KB" : state.status);
  for (int id : {static_cast<int>(IDC_LIST_LOCATION), static_cast<int>(IDC_LIST_BROWSE),
                 static_cast<int>(IDC_HOL_READYMADE)})
    EnableItem(id, !state.loading);
  EnableSaveFile();
}

void CListFilePage::EnableSaveFile() {
  EnableItem(m_saveId, m_listChanged && (m_pMainDlg == nullptr || !m_pMainDlg->GetWebListState(ListKind()).loading));
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
