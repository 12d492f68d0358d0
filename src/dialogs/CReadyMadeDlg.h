#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "lists/ReadyMadeIndex.h"

// The chooser of the ready-made holiday lists that come with the program in
// the holidays folder beside it. The chosen list is copied into the user's
// Documents folder, so that edits and saves never land in the program's.
class CReadyMadeDlg : public CDialog {
 public:
  // Runs the chooser over the lists of the program's holidays folder and
  // copies the chosen one (asking before an existing copy is replaced).
  // The copy's path, or empty when there is nothing to load. Without the
  // folder, says where the lists come from.
  static std::string ChooseCopy(HWND owner);

 private:
  explicit CReadyMadeDlg(const std::vector<ReadyMadeList>& lists);
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;

  const std::vector<ReadyMadeList>& m_lists;
  int m_chosen = -1;
};
