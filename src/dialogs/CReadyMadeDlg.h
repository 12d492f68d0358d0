#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/WorkWeek.h"
#include "framework/CDialog.h"
#include "lists/ReadyMadeIndex.h"

// What the chooser hands back: the user's copy of the chosen list (empty
// when there is nothing to load), and the list's country and work week.
struct ReadyMadeChoice {
  std::string copy;
  std::string country;
  WorkWeek week;
};

// The chooser of the ready-made holiday lists that come with the program in
// the holidays folder beside it. The chosen list is copied into the user's
// Documents folder, so that edits and saves never land in the program's.
// A list may come with names in its country's language as well as in
// English: the chooser offers both where the program's code page can hold
// them, and takes the user's own language first.
class CReadyMadeDlg : public CDialog {
 public:
  // Runs the chooser over the lists of the program's holidays folder and
  // copies the chosen one (asking before an existing copy is replaced).
  // Without the folder, says where the lists come from.
  static ReadyMadeChoice ChooseCopy(HWND owner);

 private:
  CReadyMadeDlg(const std::vector<ReadyMadeList>& lists, const std::string& folder);
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;
  // Fills "Names in" for the list the user is on.
  void ShowLanguages();
  bool CanHoldLanguage(const ReadyMadeList& list) const;

  const std::vector<ReadyMadeList>& m_lists;
  const std::string m_folder;
  const std::string m_userLanguage;
  int m_chosen = -1;
  bool m_inLanguage = false;
};
