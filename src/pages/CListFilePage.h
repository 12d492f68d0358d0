#pragma once
#include <windows.h>

#include "framework/CPropertyPage.h"
#include "lists/DateRecord.h"
#include "lists/ListFileSteps.h"

class CMainDlg;

// A page that edits one of the main window's lists and reads and writes its
// file: Load File, Save File and the browse button, the same on every list
// page. The page shows the list again through OnListRead.
class CListFilePage : public CPropertyPage, public ListFileSteps {
 public:
  CListFilePage(UINT templateId, DateListKind kind) : CPropertyPage(templateId), ListFileSteps(kind) {}

  CMainDlg* m_pMainDlg = nullptr;

 protected:
  // Takes the main window and the list's last location.
  BOOL OnInitDialog() override;
  // The main window's list of the page's kind.
  DateRecordList& List();

  void OnLoadFile();
  void OnSaveFile();
  void OnBrowse();
  // After Load File, or a file chosen with the browse button: `replaced`
  // says whether the list now holds the file's records.
  virtual void OnListRead(bool replaced) = 0;

 private:
  // The Open File dialog, starting at m_location; an invalid name gets one
  // retry with an empty name. The chosen file is loaded and, once loaded,
  // becomes m_location. True when the list was replaced.
  bool BrowseListFile();
};
