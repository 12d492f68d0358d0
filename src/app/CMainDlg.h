#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/TrayReminders.h"
#include "app/WebListKeeper.h"
#include "base/COleDateTime.h"
#include "framework/CPropertySheet.h"
#include "framework/ScopedHandles.h"
#include "lists/DateRecord.h"
#include "lists/ListOwner.h"

class ListEditor;

// The callback message of the tray icon.
constexpr UINT WM_TRAYICON_NOTIFY = WM_USER + 0x6A;  // 0x046A

// The "Exit" item this window appends to its system menu.
constexpr UINT kSysCommandExit = 1;

// The main window: a tabbed property sheet that owns the three date lists
// and the tray icon. Closing it only hides it; the Exit commands end the run.
// It is the lists' owner for loading and saving them, and the pages' owner.
class CMainDlg : public CPropertySheet, public ListOwner {
 public:
  CMainDlg();  // caption "Tempovista", no parent, page 0 first; lists empty
  ~CMainDlg() override;

  // Shows, minimises or hides the window and stores the state.
  void ApplyWindowState(bool hide, bool minimise);
  // Whether the shell took the tray icon, at start-up or for a new task bar.
  bool TrayIconAdded() const { return m_bTrayIconAdded; }
  // Shows the window on the page that edits the kind's list; that page, or
  // nullptr.
  ListEditor* ShowListPage(DateListKind kind);
  // Asks, list page by list page (holidays, events, counters), whether to
  // save a list with unsaved changes, and saves it on Yes. A save that fails
  // has told the user why: the window comes back on that list's page and the
  // answer is false (the program must not end); no further list is asked.
  bool PromptSaveChangedLists();
  // The page that edits the kind's list; nullptr when there is none.
  ListEditor* ListEditorOf(DateListKind kind) const;

  DateRecordList& GetList(DateListKind kind) override;
  int ShowListMessage(const std::string& text, const std::string& caption,
                      unsigned type) override;
  long GetNumberSetting(const char* name) override;
  std::string GetTextSetting(const char* name) override;
  void SetNumberSetting(const char* name, long value) override;
  void SetTextSetting(const char* name, const std::string& value) override;
  void OnListSaved(DateListKind kind) override;
  void OnListChanged(DateListKind kind) override;
  // The day's picture and a new tooltip for the tray ("Tempovista", a line
  // feed and the date on modern systems, else the date alone; then the
  // day's holidays and events); five attempts, none while the icon was
  // never added. Today's balloon follows, once a day.
  void ModifyTrayIcon(const std::string& dateText, const COleDateTime& now) override;
  // The stored state; minimised, too, when the program was started so.
  // The web lists' refreshes begin from here.
  void RestoreWindowState() override;
  void StartListDownload(DateListKind kind, const std::string& location) override;
  void CancelListDownload(DateListKind kind) override;
  WebListState GetWebListState(DateListKind kind) override;

  NOTIFYICONDATAW m_nid{};  // first form (NOTIFYICONDATAW_V1_SIZE)
  DateRecordList m_holidays;
  DateRecordList m_events;
  DateRecordList m_counters;
  bool m_bModernOs = true;

 protected:
  // Loads the stored lists, before any page initialises.
  void OnPreCreate() override;
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The pages follow; the window's icons and the Hide button's place too.
  void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

 private:
  void LoadStoredLists();
  void PlaceHideButton();
  // The title bar's and task switcher's icons, at the window's DPI.
  void SetWindowIcons();
  void ExtendSystemMenu();
  void AddTrayIcon();
  void OnTaskbarCreated();
  // The tooltip from the last date text and today's names, into m_nid.
  void ComposeTooltip();
  void OnTrayNotify(UINT mouseMessage);
  void OnTrayCommand(UINT command);
  LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
  void OnHideButton();
  void ExitApplication();
  // The session is ending: may it, or would unsaved lists be lost?
  BOOL OnQueryEndSession();
  // The reason the system shows while this window holds up the session's
  // end; kept from a refused end until the end is over or the lists saved.
  void BlockSessionEnd();
  void UnblockSessionEnd();
  // The page that edits the list of a kind, and its index; nullptr when
  // there is none.
  ListEditor* FindListEditor(DateListKind kind, int& index) const;
  bool AnyListChanged() const;
  // Five attempts, 500 ms apart; false when all failed.
  bool NotifyShellWithRetries(DWORD message);

  // Sent to every top-level window when the task bar is (re)created.
  UINT m_taskbarCreatedMessage = 0;
  bool m_bSessionEndBlocked = false;
  ScopedIcon m_bigIcon;
  ScopedIcon m_smallIcon;
  bool m_bTrayIconAdded = false;  // the shell took the icon at least once
  std::string m_trayDate;         // the date text of the last tray update
  COleDateTime m_trayDay{0.0, COleDateTime::invalid};  // its day; invalid before the first
  TrayReminders m_reminders{*this};
  WebListKeeper m_webLists{*this};
};
