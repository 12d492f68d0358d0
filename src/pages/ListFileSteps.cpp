#include "pages/ListFileSteps.h"

#include <commdlg.h>

#include <vector>

#include "base/ProgramNames.h"
#include "framework/Prompt.h"
#include "lists/DateListIO.h"
#include "lists/ListKindInfo.h"

bool ListFileSteps::LoadListFile(ListOwner& owner, const std::string& location) {
  if (!LoadDateList(m_kind, owner, location, true, true, false)) return false;
  m_listChanged = false;
  return true;
}

bool ListFileSteps::SaveListFile(ListOwner& owner) {
  if (!SaveDateList(m_kind, owner, m_location, true, false, true)) return false;
  m_listChanged = false;
  OnListSaved();
  owner.OnListSaved(m_kind);
  return true;
}

bool ListFileSteps::BrowseListFile(HWND window, ListOwner& owner) {
  const ListKindInfo& info = GetListKindInfo(m_kind);
  std::string filter = info.fileFilter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  std::vector<char> file(MAX_PATH * 4, '\0');
  m_location.copy(file.data(), file.size() - 1);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // without the places bar
  ofn.hwndOwner = window;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = m_location.c_str();
  ofn.lpstrDefExt = info.extension + 1;  // without the dot
  ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;

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
    ShowMessageBox(window,
                   "Loading of the file selection dialog failed.\n\n"
                   "Manually type in the file to load and click the load button.",
                   kProgramTitle, MB_OK | MB_ICONERROR);
    return false;
  }
  const std::string chosen = file.data();
  if (!LoadListFile(owner, chosen)) return false;
  m_location = chosen;
  return true;
}
