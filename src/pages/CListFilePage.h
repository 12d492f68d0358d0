#pragma once
#include <windows.h>

#include "framework/CPropertyPage.h"
#include "lists/DateRecord.h"
#include "lists/ListFileSteps.h"
#include "lists/ListOwner.h"

// A page that edits one of its owner's lists and reads and writes its file:
// the location field, Load File, Save File and the browse button, the same
// on every list page. The page shows the list again through OnListRead.
// Without an owner the list is empty and the file buttons do nothing.
class CListFilePage : public CPropertyPage, public ListFileSteps {
 public:
  CListFilePage(UINT templateId, DateListKind kind, int loadId, int saveId, ListOwner* owner)
      : CPropertyPage(templateId), ListFileSteps(kind), m_pMainDlg(owner), m_loadId(loadId), m_saveId(saveId) {}

  ListOwner* m_pMainDlg;  // the main window: the lists, the settings
  BOOL m_bAllowWeb = FALSE;  // the InternetAllowed setting is 1

  // A web load or refresh replaced the list (or the cache did, for a load
  // that failed): no unsaved changes, and the page shows it.
  void OnListDownloaded(const std::string& location, bool replaced) override;
  // The Load button, the file controls and the status line follow where
  // the page's web list stands.
  void OnWebStateChanged() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Takes the list's last location and the web setting.
  BOOL OnInitDialog() override;
  // The web setting may have changed on another page.
  BOOL OnSetActive() override;
  // The three file buttons.
  bool OnCommand(WORD id, WORD code, HWND control) override;
  // The owner's list of the page's kind.
  DateRecordList& List();
  // After the page edited the list: it has unsaved changes, and the owner
  // hears of them.
  void ListEdited();
  // Save File is enabled while the list has unsaved changes and no web
  // load runs.
  void EnableSaveFile();
  // After Load File, or a file chosen with the browse button: `replaced`
  // says whether the list now holds the file's records.
  virtual void OnListRead(bool replaced) = 0;

 private:
  void OnLoadFile();
  // A web or FTP address while the web is not allowed: asks to allow it.
  // False when the user keeps it off.
  bool AskToAllowWeb();
  void OnAllowWebBox();
  void OnSaveFile();
  void OnBrowse();
  // The Open File dialog, starting at m_location; an invalid name gets one
  // retry with an empty name. The chosen file is loaded and, once loaded,
  // becomes m_location. True when the list was replaced.
  bool BrowseListFile();

  int m_loadId;
  int m_saveId;
};
