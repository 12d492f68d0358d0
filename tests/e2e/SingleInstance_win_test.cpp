// The single-instance check in the test process: its mutex and its walk
// over dialog-class windows. Runs with the other end-to-end tests, one at a
// time, since they share the mutex and the windows' titles.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CMainApp.h"
#include "base/ProgramNames.h"

namespace {

HWND HiddenWindow(const char* className, const char* title) {
  return CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST(SingleInstance, FirstInstanceHoldsTheLockAndASecondOneIsRefused) {
  CMainApp first;
  first.m_bModernOs = true;
  ASSERT_FALSE(first.CheckSingleInstance());
  EXPECT_NE(first.m_hAppLock, nullptr);

  CMainApp second;
  second.m_bModernOs = true;
  EXPECT_TRUE(second.CheckSingleInstance());
  EXPECT_EQ(second.m_hAppLock, nullptr) << "the second instance lets go of its handle";

  // Older systems use the name without the session prefix; within one
  // session both names lock the same.
  CMainApp old;
  old.m_bModernOs = false;
  EXPECT_TRUE(old.CheckSingleInstance());
  CloseHandle(first.m_hAppLock);
}

struct TitleCase {
  const char* className;
  const char* title;
  bool broughtForward;
};

TEST(SingleInstance, SecondInstanceBringsForwardDialogWindowsWhoseTitleBeginsWithTheName) {
  const TitleCase cases[] = {
      {"#32770", kProgramTitle, true},
      {"#32770", "Tempovista - Holidays", true},
      {"#32770", "tempovista", false},
      {"#32770", "TEMPOVISTA", false},
      {"#32770", "Tempovist", false},
      {"#32770", " Tempovista", false},
      {"STATIC", kProgramTitle, false},
  };
  std::vector<HWND> windows;
  for (const TitleCase& c : cases) windows.push_back(HiddenWindow(c.className, c.title));

  HANDLE running = CreateMutexA(nullptr, FALSE, "Local\\QRVTempovista.EXE.AppLock");
  CMainApp second;
  second.m_bModernOs = true;
  EXPECT_TRUE(second.CheckSingleInstance());

  for (size_t i = 0; i < windows.size(); ++i) {
    SCOPED_TRACE(std::string(cases[i].className) + " \"" + cases[i].title + "\"");
    EXPECT_EQ(IsWindowVisible(windows[i]) != FALSE, cases[i].broughtForward);
    DestroyWindow(windows[i]);
  }
  CloseHandle(running);
}

}  // namespace
