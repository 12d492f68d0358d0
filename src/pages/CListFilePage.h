#pragma once
#include <windows.h>

#include "framework/CPropertyPage.h"
#include "lists/DateRecord.h"
#include "lists/ListFileSteps.h"

class CMainDlg;

// A page that edits one of the main window's lists and reads and writes its
// file: the location field, Load File, Save File and the browse button, the
// same on every list page. The page shows the list again through OnListRead.
class CListFilePage : public CPropertyPage, public ListFileSteps {
 public:
  CListFilePage(UINT templateId, DateListKind kind, int loadId, int saveId)
      : CPropertyPage(templateId), ListFileSteps(kind), m_loadId(loadId), m_saveId(saveId) {}

  CMainDlg* m_pMainDlg = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Takes the main window and the list's last location.
  BOOL OnInitDialog() override;
  // The three file buttons.
  bool OnCommand(WORD id, WORD code, HWND control) override;
  // The main window's list of the page's kind.
  DateRecordList& List();
  // After the page edited the list: it has unsaved changes, and the main
  // window hears of them.
  void ListEdited();
  // After Load File, or a file chosen with the browse button: `replaced`
  // says whether the list now holds the file's records.
  virtual void OnListRead(bool replaced) = 0;

 private:
  void OnLoadFile();
  void OnSaveFile();
  void OnBrowse();
  // The Open File dialog, starting at m_location; an invalid name gets one
  // retry with an empty name. The chosen file is loaded and, once loaded,
  // becomes m_location. True when the list was replaced.
  bool BrowseListFile();

  int m_loadId;
  int m_saveId;
};
