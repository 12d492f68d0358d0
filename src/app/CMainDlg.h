#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/CPropertySheet.h"
#include "lists/DateRecord.h"

// The callback message of the tray icon.
constexpr UINT WM_TRAYICON_NOTIFY = WM_USER + 0x6A;  // 0x046A

// The main window: a tabbed property sheet that owns the three date lists
// and the tray icon. Closing it only hides it; the Exit commands end the run.
class CMainDlg : public CPropertySheet {
 public:
  CMainDlg();  // caption "Tempovista", no parent, page 0 first; lists empty
  ~CMainDlg() override;

  void ApplyWindowState(bool hide, bool minimise);
  void ModifyTrayIcon(HICON icon, const std::string& dateText);
  void PromptSaveChangedLists();

  DateRecordList& GetList(DateListKind kind);

  NOTIFYICONDATAA m_nid{};  // 88-byte form (NOTIFYICONDATAA_V1_SIZE)
  DateRecordList m_holidays;
  DateRecordList m_events;
  DateRecordList m_counters;
  bool m_bModernOs = true;

 protected:
  void OnPreCreate() override;
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
