#include "app/CMainDlg.h"

#include <utility>

#include "app/CMainApp.h"
#include "app/CRegistrySettings.h"
#include "base/ProgramNames.h"
#include "base/SettingsDefaults.h"
#include "framework/Dpi.h"
#include "framework/Prompt.h"
#include "framework/ResourceModule.h"
#include "framework/ScopedHandles.h"
#include "framework/ShellNotify.h"
#include "lists/DateListIO.h"
#include "lists/ListEditor.h"
#include "lists/ListKindInfo.h"
#include "resource.h"

namespace {
const int kApplyButton = 0x3021;  // the property sheet's Apply button
const int kHelpButton = 9;
const int kHideButton = IDOK;     // the sheet's OK button, renamed
}  // namespace

CMainDlg::CMainDlg()
    : CPropertySheet(kProgramTitle, nullptr, 0), m_taskbarCreatedMessage(RegisterWindowMessageA("TaskbarCreated")) {}

CMainDlg::~CMainDlg() {
  // The record names the window even after the window is gone, which is all
  // the shell needs to find the icon. Never added (never run): no call.
  if (m_nid.hWnd != nullptr) {
    m_nid.uFlags = 0;
    ShellNotifyIcon(NIM_DELETE, &m_nid);
  }
  m_counters.clear();
  m_events.clear();
  m_holidays.clear();
}

DateRecordList& CMainDlg::GetList(DateListKind kind) {
  switch (kind) {
    case DateListKind::Events:
      return m_events;
    case DateListKind::Counters:
      return m_counters;
    case DateListKind::Holidays:
    default:
      return m_holidays;
  }
}

// Over the window the user is in: a dialog of ours that saves through the
// list writer (the year table) gets the box, not the window behind it.
int CMainDlg::ShowListMessage(const std::string& text, const std::string& caption,
                              unsigned type) {
  return ShowMessageBox(::GetLastActivePopup(m_hWnd), text, caption, type);
}

long CMainDlg::GetNumberSetting(const char* name) {
  return theApp.m_pSettings != nullptr ? theApp.m_pSettings->GetNumber(name) : DefaultNumber(name);
}

std::string CMainDlg::GetTextSetting(const char* name) {
  return theApp.m_pSettings != nullptr ? theApp.m_pSettings->GetText(name) : std::string();
}

void CMainDlg::SetNumberSetting(const char* name, long value) {
  if (theApp.m_pSettings != nullptr) theApp.m_pSettings->SetNumber(name, value);
}

void CMainDlg::SetTextSetting(const char* name, const std::string& value) {
  if (theApp.m_pSettings != nullptr) theApp.m_pSettings->SetText(name, value);
}

ListEditor* CMainDlg::FindListEditor(DateListKind kind, int& index) const {
  for (index = 0; index < GetPageCount(); ++index) {
    auto* editor = dynamic_cast<ListEditor*>(GetPage(index));
    if (editor != nullptr && editor->ListKind() == kind) return editor;
  }
  return nullptr;
}

ListEditor* CMainDlg::ListEditorOf(DateListKind kind) const {
  int index;
  return FindListEditor(kind, index);
}

void CMainDlg::StartListDownload(DateListKind kind, const std::string& location) { m_webLists.Load(kind, location); }

void CMainDlg::CancelListDownload(DateListKind kind) { m_webLists.Cancel(kind); }

WebListState CMainDlg::GetWebListState(DateListKind kind) { return m_webLists.State(kind); }

bool CMainDlg::AnyListChanged() const {
  int index;
  for (DateListKind kind : kListKinds) {
    const ListEditor* editor = FindListEditor(kind, index);
    if (editor != nullptr && editor->ListChanged()) return true;
  }
  return false;
}

bool CMainDlg::PromptSaveChangedLists() {
  for (DateListKind kind : kListKinds) {
    int index;
    ListEditor* editor = FindListEditor(kind, index);
    if (editor == nullptr || !editor->ListChanged()) continue;
    if (MessageBox(GetListKindInfo(kind).saveQuestion, kProgramTitle, MB_YESNO | MB_ICONQUESTION) != IDYES)
      continue;
    if (!editor->SaveListFile(*this)) {
      // The save told the user why; the list and its changes are still
      // here, on the page where they can be saved elsewhere.
      SetActivePage(index);
      ApplyWindowState(false, false);
      return false;
    }
  }
  return true;
}

BOOL CMainDlg::OnQueryEndSession() {
  m_webLists.Shutdown();  // nothing a fetch reads after this reaches a list
  if (AnyListChanged()) {
    BlockSessionEnd();
    // Refused: the system's blocking screen shows the reason meanwhile.
    if (!PromptSaveChangedLists()) return FALSE;
  }
  UnblockSessionEnd();
  return TRUE;
}

void CMainDlg::OnListSaved(DateListKind) {
  if (!AnyListChanged()) UnblockSessionEnd();
}

void CMainDlg::BlockSessionEnd() {
  static const wchar_t kReason[] = L"Holidays, events or counters have unsaved changes";
  if (!m_bSessionEndBlocked) m_bSessionEndBlocked = ShutdownBlockReasonCreate(m_hWnd, kReason) != FALSE;
}

void CMainDlg::UnblockSessionEnd() {
  if (m_bSessionEndBlocked) ShutdownBlockReasonDestroy(m_hWnd);
  m_bSessionEndBlocked = false;
}

// The reminders follow the lists: a new counter list is planned, and the
// tooltip names the day's holidays and events as they are now.
void CMainDlg::OnListChanged(DateListKind kind) {
  if (kind == DateListKind::Counters) {
    m_reminders.OnCountersChanged();
    return;
  }
  if (!m_trayDay.IsValid()) return;  // no date in the tooltip yet
  ComposeTooltip();
  if (m_bTrayIconAdded) NotifyShellWithRetries(NIM_MODIFY);
}

void CMainDlg::OnPreCreate() { LoadStoredLists(); }

// The pages read the lists when they initialise, so they are loaded before
// the sheet window exists: quietly, from the cache for web addresses, and
// without storing the location again.
void CMainDlg::LoadStoredLists() {
  for (DateListKind kind : kListKinds) {
    const std::string location = GetTextSetting(GetListKindInfo(kind).locationSetting);
    if (!location.empty()) LoadDateList(kind, *this, location, false, false, true);
  }
}

BOOL CMainDlg::OnInitDialog() {
  CPropertySheet::OnInitDialog();

  ShowItem(kApplyButton, false);
  ShowItem(kHelpButton, false);
  ShowItem(IDCANCEL, false);
  PlaceHideButton();

  SetWindowIcons();
  SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
  ExtendSystemMenu();
  AddTrayIcon();
  m_reminders.Start();
  return TRUE;
}

// Moves the OK button to the Cancel button's corner, its right margin equal
// to its bottom margin, and makes it the Hide button.
void CMainDlg::PlaceHideButton() {
  HWND button = GetDlgItem(kHideButton);
  if (button == nullptr) return;
  RECT sheet{};
  RECT rc{};
  GetWindowRect(m_hWnd, &sheet);
  GetWindowRect(button, &rc);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&sheet), 2);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  const int width = rc.right - rc.left;
  const int left = sheet.right - (sheet.bottom - rc.bottom) - width;
  MoveWindow(button, left, rc.top, width, rc.bottom - rc.top, TRUE);
  ShowWindow(button, SW_SHOW);
  SetWindowTextA(button, "Hide");
}

void CMainDlg::SetWindowIcons() {
  // Replaced before the old ones go: the window never shows a destroyed icon.
  ScopedIcon big = LoadIconForDpi(ResourceModule(), IDI_MAINICON, IconSize::Large, GetDpi());
  ScopedIcon small = LoadIconForDpi(ResourceModule(), IDI_SMALLICON, IconSize::Small, GetDpi());
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  m_bigIcon = std::move(big);
  m_smallIcon = std::move(small);
}

void CMainDlg::OnDpiChanged(UINT oldDpi, UINT newDpi) {
  CPropertySheet::OnDpiChanged(oldDpi, newDpi);
  SetWindowIcons();
  PlaceHideButton();
}

void CMainDlg::ExtendSystemMenu() {
  HMENU menu = GetSystemMenu(m_hWnd, FALSE);
  if (menu == nullptr) return;
  AppendMenuA(menu, MF_STRING, SC_MINIMIZE, "Minimize");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, kSysCommandExit, "Exit");
  DrawMenuBar(m_hWnd);
}

ListEditor* CMainDlg::ShowListPage(DateListKind kind) {
  int index = 0;
  ListEditor* editor = FindListEditor(kind, index);
  if (editor != nullptr) SetActivePage(index);
  ApplyWindowState(false, false);
  return editor;
}

void CMainDlg::ApplyWindowState(bool hide, bool minimise) {
  if (m_hWnd != nullptr) {
    if (hide) {
      ShowWindow(m_hWnd, SW_HIDE);
    } else if (minimise) {
      ShowWindow(m_hWnd, SW_MINIMIZE);
    } else {
      ShowWindow(m_hWnd, SW_SHOW);
      ShowWindow(m_hWnd, SW_RESTORE);
      if (GetForegroundWindow() != m_hWnd) SetForegroundWindow(m_hWnd);
    }
  }
  SetNumberSetting(setting::kWindowHide, hide ? 1 : 0);
  SetNumberSetting(setting::kWindowMinimised, minimise ? 1 : 0);
}

void CMainDlg::RestoreWindowState() {
  const int show = theApp.m_nCmdShow;
  const bool startedMinimised = show == SW_SHOWMINIMIZED || show == SW_MINIMIZE || show == SW_SHOWMINNOACTIVE;
  ApplyWindowState(GetNumberSetting(setting::kWindowHide) != 0,
                   startedMinimised || GetNumberSetting(setting::kWindowMinimised) != 0);
  m_webLists.Start();
}

LRESULT CMainDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == m_taskbarCreatedMessage && msg != 0 && m_nid.hWnd != nullptr) {
    OnTaskbarCreated();
    return 0;
  }
  switch (msg) {
    case WM_TIMER:
      if (m_webLists.OnTimer(wParam)) return 0;
      if (wParam != TrayReminders::kWakeUpTimer) break;
      m_reminders.OnWakeUp();
      return 0;
    case WebListKeeper::kFetchedMessage:
      m_webLists.OnFetched(reinterpret_cast<WebFetchResult*>(lParam));
      return 0;
    case WM_TIMECHANGE:
      m_reminders.OnClockChanged();
      break;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC) {
        m_reminders.OnClockChanged();
        m_webLists.OnResume();
      }
      break;
    case WM_TRAYICON_NOTIFY:
      // comctl32 reads this number as PSM_REBOOTSYSTEM: never pass it on.
      OnTrayNotify(static_cast<UINT>(lParam));
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam);
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ENDSESSION:
      UnblockSessionEnd();  // the session ends, or goes on after all
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kHideButton) {  // the Hide button, or Enter
        OnHideButton();
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        // Escape would end the modal run, and with it the program, without
        // the exit path: hide like the close command instead.
        ApplyWindowState(true, true);
        return 0;
      }
      break;
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

void CMainDlg::OnHideButton() { ApplyWindowState(true, true); }

// Commands are compared whole: the low four bits are not masked off. The
// one exception is close: a close with those bits set would reach the
// sheet's own close and end the program without the exit path.
LRESULT CMainDlg::OnSysCommand(WPARAM command, LPARAM lParam) {
  if ((command & 0xFFF0) == SC_CLOSE) command = SC_CLOSE;
  switch (command) {
    case kSysCommandExit:
      if (MessageBox("Are you sure you want to terminate this application", kProgramTitle,
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        ExitApplication();
      }
      return 0;
    case SC_CLOSE:
      ApplyWindowState(true, true);
      return 0;  // hidden, not closed
    case SC_MINIMIZE:
      ApplyWindowState(false, true);
      break;
    case SC_MAXIMIZE:
    case SC_RESTORE:
      ApplyWindowState(false, false);
      break;
    default:
      break;
  }
  return Default(WM_SYSCOMMAND, command, lParam);
}

void CMainDlg::ExitApplication() {
  m_webLists.Shutdown();
  if (!PromptSaveChangedLists()) return;  // a list could not be saved: keep running
  SendMessageA(m_hWnd, WM_CLOSE, 0, 0);  // the sheet's own close ends the modal run
}
