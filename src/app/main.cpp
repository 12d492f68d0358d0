#include <windows.h>

#include "app/CMainApp.h"

// The whole program is the application object's start-up routine: it runs
// the main window modally and tears everything down when it closes.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  theApp.m_hInstance = instance;
  theApp.m_lpCmdLine = commandLine != nullptr ? commandLine : "";
  theApp.m_nCmdShow = showCommand;
  try {
    theApp.InitInstance();
  } catch (...) {
    // Nothing to report to: the program has no window left to own a box.
  }
  return 0;
}
