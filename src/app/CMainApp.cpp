#include "app/CMainApp.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "app/CMainDlg.h"
#include "app/CRegistrySettings.h"
#include "app/DefaultCachePaths.h"
#include "base/ProgramNames.h"
#include "base/SettingsDefaults.h"
#include "ical/ICalendarFormat.h"
#include "lists/ListTextFormat.h"
#include "pages/CPPAbout.h"
#include "pages/CPPCountDown.h"
#include "pages/CPPEvents.h"
#include "pages/CPPHolidays.h"
#include "pages/CPPMonthByMonth.h"
#include "pages/CPPStopWatch.h"

CMainApp theApp;

namespace {
const size_t kTitleLength = sizeof(kProgramTitle) - 1;  // the 10 bytes compared
const ATOM kDialogClassAtom = 0x8002;

bool IsModernOs() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);  // 148
  if (!GetVersionExA(&info)) return true;
  return info.dwMajorVersion > 4;
}

bool HasShowNow(const std::string& commandLine) {
  std::string lower = commandLine;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find("shownow") != std::string::npos;
}

// A title matches when its first 10 bytes are "Tempovista": the running
// main window, and message boxes captioned so.
bool TitleMatches(HWND window) {
  // GetWindowTextA, unlike a read that asks for the length first, reads
  // another process's caption without sending it a message, so a hung first
  // instance cannot hold up the second.
  char title[2048] = {};
  const int length = GetWindowTextA(window, title, sizeof(title));
  if (length < static_cast<int>(kTitleLength)) return false;
  return std::memcmp(title, kProgramTitle, kTitleLength) == 0;
}

void BringForward(HWND window) {
  ShowWindow(window, SW_SHOW);
  ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  Sleep(100);
}

// The user-interface thread as a COM apartment while it lives: screen
// readers reach the links' accessible objects through COM, and the shell
// may open a link through an extension that needs it.
class ComApartment {
 public:
  ComApartment() : m_entered(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (m_entered) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool m_entered;
};
}  // namespace

bool CMainApp::CheckSingleInstance() {
  const char* name = m_bModernOs ? "Local\\QRVTempovista.EXE.AppLock" : "QRVTempovista.EXE.AppLock";
  m_hAppLock = CreateMutexA(nullptr, FALSE, name);
  if (m_hAppLock == nullptr) return true;  // no lock, no run: end silently
  if (GetLastError() != ERROR_ALREADY_EXISTS) return false;

  CloseHandle(m_hAppLock);
  m_hAppLock = nullptr;
  for (HWND window = FindWindowExA(nullptr, nullptr, MAKEINTATOM(kDialogClassAtom), nullptr);
       window != nullptr;
       window = FindWindowExA(nullptr, window, MAKEINTATOM(kDialogClassAtom), nullptr)) {
    if (TitleMatches(window)) BringForward(window);
  }
  return true;
}

BOOL CMainApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  m_bModernOs = IsModernOs();
  if (CheckSingleInstance()) return FALSE;

  const ComApartment apartment;
  // Every list page loads and saves calendar files as well as list files.
  RegisterListTextFormat(kICalendarFormat);
  CRegistrySettings settings;
  settings.AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
  settings.AddTextDefaults(kTextDefaults, kTextDefaultCount);
  settings.SetRoot(HKEY_CURRENT_USER, kProgramSettingsKey);
  m_pSettings = &settings;

  if (HasShowNow(m_lpCmdLine)) {
    settings.SetNumber(setting::kWindowHide, 0);
    settings.SetNumber(setting::kWindowMinimised, 0);
  }
  try {
    FillDefaultCachePaths(settings);
  } catch (...) {
    // The cache settings keep what the registry held; start-up goes on.
  }

  // Owned here, for the modal run. The window comes first, to be each
  // page's owner; its destructor, which removes the tray icon, needs no page.
  CMainDlg dlg;
  CPPMonthByMonth monthByMonth(&dlg);
  CPPStopWatch stopWatch(&dlg);
  CPPHolidays holidays(&dlg);
  CPPEvents events(&dlg);
  CPPCountDown countDown(&dlg);
  CPPAbout about;
  dlg.m_bModernOs = m_bModernOs;
  // The order fixes the page indices the tray menu selects.
  dlg.AddPage(&monthByMonth);
  dlg.AddPage(&stopWatch);
  dlg.AddPage(&holidays);
  dlg.AddPage(&events);
  dlg.AddPage(&countDown);
  dlg.AddPage(&about);

  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  m_pSettings = nullptr;
  return FALSE;
}
