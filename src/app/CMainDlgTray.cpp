// The main window's notification-area icon: adding it (again, after
// Explorer restarts), its picture and tooltip, and its menu and balloons.
#include <utility>
#include <vector>

#include "app/CMainDlg.h"
#include "base/NarrowText_win.h"
#include "base/ProgramNames.h"
#include "framework/Dpi.h"
#include "framework/ResourceModule.h"
#include "framework/ScopedHandles.h"
#include "framework/ShellNotify.h"
#include "lists/ReminderText.h"
#include "resource.h"

namespace {
const UINT kShellAttempts = 5;
const DWORD kShellRetryMs = 500;
const UINT kTrayMenuFlags = TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD;  // 0x182

// Tray menu items that select a page, and the page each selects.
struct PageCommand {
  UINT command;
  int page;
};
const PageCommand kPageCommands[] = {
    {ID_TRAY_MONTHBYMONTH, 0}, {ID_TRAY_STOPWATCH, 1}, {ID_TRAY_HOLIDAYS, 2},
    {ID_TRAY_EVENTS, 3},       {ID_TRAY_COUNTDOWN, 4}, {ID_TRAY_ABOUT, 5},
};

// The first form of the record carries the first 64 characters of the
// tooltip field: 63 and the terminator, whatever the script.
const size_t kTipSize = 64;
}  // namespace

void CMainDlg::AddTrayIcon() {
  m_nid = NOTIFYICONDATAW{};
  m_nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
  m_nid.hWnd = m_hWnd;
  m_nid.uID = 1;
  m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  m_nid.uCallbackMessage = WM_TRAYICON_NOTIFY;
  m_nid.hIcon = LoadSharedIcon(ResourceModule(), IDI_MAINICON, IconSize::Small);
  CopyTextField(m_nid.szTip, kTipSize, kProgramTitle);
  m_bTrayIconAdded = NotifyShellWithRetries(NIM_ADD);  // without an icon the program runs on
}

// A new task bar (Explorer restarted) has no icons: add ours again as it
// last was, with the day's picture and tooltip. This also brings back an
// icon whose start-up attempts all failed.
// Balloons dropped meanwhile stay dropped; only today's, never yet shown
// (a start before the notification area existed), gets its chance.
void CMainDlg::OnTaskbarCreated() {
  m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  if (!NotifyShellWithRetries(NIM_ADD)) return;
  m_bTrayIconAdded = true;
  if (m_trayDay.IsValid()) m_reminders.AnnounceDay(m_trayDay);
}

// Without an icon every update would hold the window for five attempts.
void CMainDlg::ModifyTrayIcon(const std::string& dateText, const COleDateTime& now) {
  const int day = now.GetDay();
  m_nid.hIcon = LoadSharedIcon(ResourceModule(), day >= 1 && day <= 31 ? IDI_DAY_BASE + day : IDI_MAINICON,
                               IconSize::Small);
  m_trayDate = dateText;
  m_trayDay = COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
  ComposeTooltip();
  if (m_bTrayIconAdded) NotifyShellWithRetries(NIM_MODIFY);
  m_reminders.AnnounceDay(m_trayDay);
}

void CMainDlg::ComposeTooltip() {
  std::vector<std::string> names = NamesOnDay(m_holidays, DateListKind::Holidays, m_trayDay);
  for (std::string& name : NamesOnDay(m_events, DateListKind::Events, m_trayDay)) names.push_back(std::move(name));
  CopyTextField(m_nid.szTip, kTipSize, TooltipText(m_bModernOs ? kProgramTitle : "", m_trayDate, names, kTipSize - 1));
}

bool CMainDlg::NotifyShellWithRetries(DWORD message) {
  for (UINT attempt = 1; attempt <= kShellAttempts; ++attempt) {
    if (ShellNotifyIcon(message, &m_nid)) return true;
    if (attempt < kShellAttempts) Sleep(kShellRetryMs);
  }
  return false;
}

void CMainDlg::OnTrayNotify(UINT mouseMessage) {
  if (mouseMessage == NIN_BALLOONUSERCLICK) {
    m_reminders.OnBalloonClick();
    return;
  }
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    ApplyWindowState(false, false);
    return;
  }
  if (mouseMessage != WM_RBUTTONUP) return;

  POINT cursor{};
  GetCursorPos(&cursor);
  const ScopedMenu menu(LoadMenuA(ResourceModule(), MAKEINTRESOURCEA(IDR_TRAYMENU)));
  if (!menu) return;
  HMENU popup = GetSubMenu(menu.get(), 0);
  UINT command = 0;
  if (popup != nullptr) {
    SetMenuDefaultItem(popup, ID_TRAY_OPEN, FALSE);
    SetForegroundWindow(m_hWnd);
    command = static_cast<UINT>(TrackPopupMenu(popup, kTrayMenuFlags, cursor.x, cursor.y, 0, m_hWnd, nullptr));
    // Without this the menu does not close when the user clicks elsewhere.
    PostMessageA(m_hWnd, WM_NULL, 0, 0);
  }
  OnTrayCommand(command);
}

void CMainDlg::OnTrayCommand(UINT command) {
  for (const PageCommand& item : kPageCommands) {
    if (item.command == command) {
      SetActivePage(item.page);
      ApplyWindowState(false, false);
      return;
    }
  }
  switch (command) {
    case ID_TRAY_OPEN:
      ApplyWindowState(false, false);
      break;
    case ID_TRAY_HIDE:
      ApplyWindowState(true, true);
      break;
    case ID_TRAY_EXIT:
      ExitApplication();
      break;
    default:
      break;  // nothing chosen
  }
}
