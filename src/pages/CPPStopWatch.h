#pragma once
#include <windows.h>

#include <string>

#include "base/Stopwatch.h"
#include "framework/CPropertyPage.h"
#include "framework/PageTimerProc.h"
#include "framework/ScopedHandles.h"

// The Stopwatch page: start, stop, lap-and-reset, the running total in a
// large display, when the run began, was last started and last stopped,
// and a log of finished runs, newest first. It ticks twice a second while
// running, on its own window, whichever page is shown.
class CPPStopWatch : public CPropertyPage {
 public:
  CPPStopWatch();
  ~CPPStopWatch() override;

  void OnStartStop();
  void OnReset();
  void OnTimerTick(UINT_PTR timerId);

  Stopwatch m_stopwatch;
  UINT_PTR m_nTimer = 0;  // 0 while stopped
  std::string m_strDisplay;
  std::string m_strOriginalStart;
  std::string m_strLastStart;
  std::string m_strLastStop;
  std::string m_strLog;  // CR LF after each line, newest first

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

 private:
  // The display's large font, at the page's DPI.
  void SetDisplayFont();
  void StartTicking();
  void StopTicking();
  void ShowState();
  void AppendLog(const StopwatchRun& run);

  ScopedFont m_font;  // the display's
};

// The one Stopwatch page of the process, set by its constructor; the tick
// procedure finds the page through it.
extern CPPStopWatch* g_pStopWatchPage;
constexpr TIMERPROC StopwatchTimerProc = &PageTimerProc<CPPStopWatch, &g_pStopWatchPage>;
