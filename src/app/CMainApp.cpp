#include "app/CMainApp.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "app/CMainDlg.h"
#include "app/CRegistrySettings.h"
#include "app/SettingsDefaults.h"
#include "pages/CPPAbout.h"
#include "pages/CPPCountDown.h"
#include "pages/CPPEvents.h"
#include "pages/CPPHolidays.h"
#include "pages/CPPMonthByMonth.h"
#include "pages/CPPStopWatch.h"

CMainApp theApp;

namespace {
const char kTitle[] = "Tempovista";
const size_t kTitleLength = sizeof(kTitle) - 1;  // the 10 bytes compared
const char kSettingsKey[] = "Software\\QRV\\Tempovista\\";
const char kFallbackFolder[] = "C:\\QRV\\Tempovista";
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
  char title[2048] = {};
  const int length = GetWindowTextA(window, title, sizeof(title));
  if (length < static_cast<int>(kTitleLength)) return false;
  return std::memcmp(title, kTitle, kTitleLength) == 0;
}

void BringForward(HWND window) {
  ShowWindow(window, SW_SHOW);
  ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  Sleep(100);
}

// Fills the three cache paths the first time; later runs keep what is
// stored, even when the documents folder has moved since.
void FillDefaultCachePaths(CRegistrySettings& settings) {
  std::string folder = kFallbackFolder;
  char documents[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents) >= 0) {
    folder = documents;
  }
  const struct {
    const char* setting;
    const char* suffix;
  } caches[] = {{"HolidayCacheFile", "\\TVcache.tvh"},
                {"EventCacheFile", "\\TVcache.tve"},
                {"CounterCacheFile", "\\TVcache.tvc"}};
  for (const auto& cache : caches) {
    if (settings.GetText(cache.setting).empty()) settings.SetText(cache.setting, folder + cache.suffix);
  }
}
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

  m_pSettings = new CRegistrySettings;
  m_pSettings->AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
  m_pSettings->AddTextDefaults(kTextDefaults, kTextDefaultCount);
  m_pSettings->SetRoot(HKEY_CURRENT_USER, kSettingsKey);

  if (HasShowNow(m_lpCmdLine)) {
    m_pSettings->SetNumber("WindowHide", 0);
    m_pSettings->SetNumber("WindowMinimised", 0);
  }
  try {
    FillDefaultCachePaths(*m_pSettings);
  } catch (...) {
    // The cache settings keep what the registry held; start-up goes on.
  }

  auto* dlg = new CMainDlg;
  dlg->m_bModernOs = m_bModernOs;
  // The order fixes the page indices the tray menu selects.
  dlg->AddPage(new CPPMonthByMonth);
  dlg->AddPage(new CPPStopWatch);
  dlg->AddPage(new CPPHolidays);
  dlg->AddPage(new CPPEvents);
  dlg->AddPage(new CPPCountDown);
  dlg->AddPage(new CPPAbout);

  m_pMainWnd = dlg;
  dlg->DoModal();

  while (dlg->GetPageCount() > 0) {
    CPropertyPage* page = dlg->GetPage(0);
    dlg->RemovePage(0);
    delete page;
  }
  delete m_pSettings;
  m_pSettings = nullptr;
  m_pMainWnd = nullptr;
  delete dlg;  // removes the tray icon
  return FALSE;
}
