#include "dialogs/CReadyMadeDlg.h"

#include <shlobj.h>

#include "base/CodePageText.h"
#include "framework/ExecutableName.h"
#include "framework/LocaleText.h"
#include "framework/Prompt.h"
#include "lists/ListSource.h"
#include "lists/PlatformText.h"
#include "resource.h"

namespace {

const char kCaption[] = "Ready-made holiday lists";

// The user's own language (of the Windows user interface), as the index
// names languages: "el", "ja".
std::string UserLanguage() {
  char name[16] = {};
  GetLocaleInfoA(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), LOCALE_SISO639LANGNAME, name,
                 sizeof name);
  return name;
}

}  // namespace

ReadyMadeChoice CReadyMadeDlg::ChooseCopy(HWND owner) {
  const std::string folder = ExecutableFolder() + "\\holidays";
  std::string index;
  ReadLocalFileBytes(folder + "\\index.txt", index);  // none: no lists
  // The index is UTF-8, the program's texts are in its code page.
  const std::vector<ReadyMadeList> lists = ParseReadyMadeIndex(Utf8ToAnsi(index));
  if (lists.empty()) {
    ShowMessageBox(owner,
                   "The ready-made holiday lists come with the installed program, in the folder\n\n" +
                       folder + "\n\nbeside " + ExecutableName() +
                       ".exe. This copy of the program has none: install the program again to get "
                       "them, or load a holiday file of your own with Load File.",
                   kCaption, MB_OK | MB_ICONINFORMATION);
    return {};
  }

  CReadyMadeDlg dlg(lists, folder);
  if (dlg.DoModal(owner) != IDOK || dlg.m_chosen < 0) return {};

  const ReadyMadeList& list = lists[static_cast<size_t>(dlg.m_chosen)];
  char documents[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(owner, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) {
    ShowMessageBox(owner, "Unable to find your Documents folder to copy the list into.", kCaption,
                   MB_OK | MB_ICONERROR);
    return {};
  }
  const std::string copy = std::string(documents) + "\\" + ReadyMadeCopyName(list, dlg.m_inLanguage);
  bool replace = true;
  if (GetFileAttributesA(copy.c_str()) != INVALID_FILE_ATTRIBUTES) {
    // It may hold the user's own changes to the list.
    const int answer = ShowMessageBox(
        owner,
        copy + "\n\nalready exists. Replace it with the ready-made list?\n\n"
               "Yes replaces it, No loads it as it is.",
        kCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return {};
    replace = answer == IDYES;
  }
  const std::string ready = folder + "\\" + ReadyMadeFile(list, dlg.m_inLanguage);
  if (replace && !CopyFileA(ready.c_str(), copy.c_str(), FALSE)) {
    ShowMessageBox(owner, "Unable to copy the holiday list to\n\n" + copy, kCaption,
                   MB_OK | MB_ICONERROR);
    return {};
  }
  return {copy, list.country, list.week};
}

CReadyMadeDlg::CReadyMadeDlg(const std::vector<ReadyMadeList>& lists, const std::string& folder)
    : CDialog(IDD_READYMADE), m_lists(lists), m_folder(folder), m_userLanguage(UserLanguage()) {}

BOOL CReadyMadeDlg::OnInitDialog() {
  // The years and the work weeks line up in columns after the longest names.
  int tabs[] = {222, 274};  // dialog units
  SendDlgItemMessage(IDC_READY_LIST, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabs));
  for (const ReadyMadeList& list : m_lists) {
    const std::string label = ReadyMadeLabel(list, WorkWeekText(list.week, true));
    SendDlgItemMessage(IDC_READY_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
  }
  SendDlgItemMessage(IDC_READY_LIST, LB_SETCURSEL, 0);
  ShowLanguages();
  return TRUE;
}

// A double click on a list takes it as OK does.
bool CReadyMadeDlg::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_READY_LIST && code == LBN_DBLCLK) {
    OnOK();
    return true;
  }
  if (id == IDC_READY_LIST && code == LBN_SELCHANGE) {
    ShowLanguages();
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CReadyMadeDlg::OnOK() {
  m_chosen = static_cast<int>(SendDlgItemMessage(IDC_READY_LIST, LB_GETCURSEL));
  m_inLanguage = SendDlgItemMessage(IDC_READY_NAMES, CB_GETCURSEL) == 1;
  if (m_chosen >= 0) EndDialog(IDOK);
}

// English always; the country's language after it, and chosen, where it is
// the user's own.
void CReadyMadeDlg::ShowLanguages() {
  const LRESULT chosen = SendDlgItemMessage(IDC_READY_LIST, LB_GETCURSEL);
  SendDlgItemMessage(IDC_READY_NAMES, CB_RESETCONTENT);
  SendDlgItemMessage(IDC_READY_NAMES, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("English"));
  bool own = false;
  if (chosen >= 0 && static_cast<size_t>(chosen) < m_lists.size()) {
    const ReadyMadeList& list = m_lists[static_cast<size_t>(chosen)];
    if (!list.language.empty() && CanHoldLanguage(list)) {
      SendDlgItemMessage(IDC_READY_NAMES, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.languageName.c_str()));
      own = list.language == m_userLanguage;
    }
  }
  SendDlgItemMessage(IDC_READY_NAMES, CB_SETCURSEL, own ? 1 : 0);
}

// A UTF-8 code page holds every name; another one (before Windows 10 1903)
// only those that come back from it unchanged.
bool CReadyMadeDlg::CanHoldLanguage(const ReadyMadeList& list) const {
  if (ProgramCodePage() == kUtf8CodePage) return true;
  std::string names;
  if (!ReadLocalFileBytes(m_folder + "\\" + ReadyMadeFile(list, true), names)) return false;
  return AnsiToUtf8(Utf8ToAnsi(names)) == names;
}
