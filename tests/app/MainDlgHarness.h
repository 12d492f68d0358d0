#pragma once
// Hosts the real main window in the test process, with the five pages still
// to come and a plain page on the first page's template, under a settings
// key of the tests' own and with the shell and message boxes behind their
// seams. A script of steps plays inside the modal run, one per timer tick,
// as a user's actions would arrive.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "base/ProgramNames.h"
#include "framework/Prompt.h"
#include "framework/ShellNotify.h"
#include "pages/CPPAbout.h"
#include "pages/CPPCountDown.h"
#include "pages/CPPEvents.h"
#include "pages/CPPHolidays.h"
#include "pages/CPPStopWatch.h"
#include "resource.h"
#include "support/ShellSeamFromEnv_win.h"
#include "support/StepRunner_win.h"
#include "support/TestSettings_win.h"

namespace maindlg {

constexpr const char* kKey = "Software\\QRV\\TempovistaTests\\MainWindow\\";
constexpr LONG kUntouched = 7;  // a stored state no handler ever writes

// `ms` from a steady clock: GetTickCount under Wine can lag a busy machine.
struct ShellCall {
  DWORD message;
  NOTIFYICONDATAW data;
  long long ms;
};

// The first page, on its own template: what the lists held when it
// initialised.
class FirstPage : public CPropertyPage {
 public:
  FirstPage() : CPropertyPage(IDD_MONTHBYMONTH) {}
  size_t m_listSizesAtInit[3] = {};

 protected:
  BOOL OnInitDialog() override {
    CMainDlg* dlg = theApp.m_pMainWnd;
    m_listSizesAtInit[0] = dlg->m_holidays.size();
    m_listSizesAtInit[1] = dlg->m_events.size();
    m_listSizesAtInit[2] = dlg->m_counters.size();
    return CPropertyPage::OnInitDialog();
  }
};

using Step = script::Step;

class MainDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    theApp.m_hInstance = GetModuleHandleA(nullptr);
    SetShellNotifyHook([this](DWORD message, const NOTIFYICONDATAW& data) {
      using namespace std::chrono;
      const long long ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
      shell.push_back(ShellCall{message, data, ms});
      if (failShell > 0) {
        --failShell;
        return FALSE;
      }
      return TRUE;
    });
    SetMessageBoxHook([this](const MessageBoxCall& call) {
      boxes.push_back(call);
      return boxAnswer;
    });
  }
  void TearDown() override {
    SetMessageBoxHook(nullptr);
    SetShellNotifyHook(nullptr);
    theApp.m_pMainWnd = nullptr;
  }

 public:
  void StoreState(LONG hide, LONG minimised) {
    m_settings.SetNumber(setting::kWindowHide, hide);
    m_settings.SetNumber(setting::kWindowMinimised, minimised);
  }
  LONG Stored(const char* name) { return m_settings.GetNumber(name); }

  // Runs the main window and plays `steps`; then closes it as the exit path
  // would. Answers whether the run ended before the script did.
  bool Run(std::vector<Step> steps) {
    CMainDlg dlg;
    FirstPage first;
    CPPStopWatch stopwatch(&dlg);
    CPPHolidays holidays(&dlg);
    CPPEvents events(&dlg);
    CPPCountDown countdown(&dlg);
    CPPAbout about;
    for (CPropertyPage* page : std::vector<CPropertyPage*>{&first, &stopwatch, &holidays, &events, &countdown, &about}) {
      dlg.AddPage(page);
    }
    dlg.m_bModernOs = true;
    theApp.m_pMainWnd = &dlg;
    m_dlg = &dlg;
    m_endedByScript = false;
    steps.push_back([&dlg, this] {
      m_endedByScript = true;
      SendMessageA(dlg.GetSafeHwnd(), WM_CLOSE, 0, 0);
      return true;
    });
    {
      script::StepRunner runner(std::move(steps), 50);
      dlg.DoModal();
    }
    const bool ended = !m_endedByScript;
    for (int i = 0; i < 3; ++i) listSizesAtInit[i] = first.m_listSizesAtInit[i];
    m_dlg = nullptr;
    theApp.m_pMainWnd = nullptr;
    return ended;
  }

  HWND Sheet() const { return m_dlg->GetSafeHwnd(); }
  void Tray(UINT mouseMessage) { PostMessageA(Sheet(), WM_TRAYICON_NOTIFY, 1, mouseMessage); }
  void SysCommand(WPARAM command) { SendMessageA(Sheet(), WM_SYSCOMMAND, command, 0); }
  // A key press where the user's focus is, through the modal run's dialog
  // message handling.
  void PressKey(UINT key) {
    HWND focus = GetFocus();
    PostMessageA(focus != nullptr ? focus : Sheet(), WM_KEYDOWN, key, 0);
    PostMessageA(focus != nullptr ? focus : Sheet(), WM_KEYUP, key, 0xC0000001);
  }
  int ActivePage() const { return m_dlg->GetActiveIndex(); }
  bool Visible() const { return IsWindowVisible(Sheet()) != FALSE; }
  bool Iconic() const { return IsIconic(Sheet()) != FALSE; }
  int Count(DWORD message) const {
    int n = 0;
    for (const ShellCall& call : shell) n += call.message == message ? 1 : 0;
    return n;
  }

  TestSettings m_settings{kKey};
  CMainDlg* m_dlg = nullptr;
  std::vector<ShellCall> shell;
  std::vector<MessageBoxCall> boxes;
  int failShell = 0;
  int boxAnswer = IDNO;
  size_t listSizesAtInit[3] = {};

 private:
  bool m_endedByScript = false;
};

}  // namespace maindlg
