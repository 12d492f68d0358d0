#pragma once
#include <windows.h>

#include <string>

class CMainDlg;
class CRegistrySettings;

// The application object: single instance, settings store, main window.
// There is exactly one, reached through theApp.
class CMainApp {
 public:
  // Start-up, modal run and teardown; always false.
  BOOL InitInstance();
  // True when another instance already runs.
  bool CheckSingleInstance();

  HANDLE m_hAppLock = nullptr;
  // The settings store and the main window while InitInstance runs them;
  // InitInstance owns both.
  CRegistrySettings* m_pSettings = nullptr;
  bool m_bModernOs = true;

  // What the framework's application object would hold.
  CMainDlg* m_pMainWnd = nullptr;
  std::string m_lpCmdLine;  // the command line after the program name
  int m_nCmdShow = SW_SHOWNORMAL;
  HINSTANCE m_hInstance = nullptr;
};

extern CMainApp theApp;
