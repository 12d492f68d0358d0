#pragma once
#include <windows.h>

#include <string>

#include "base/Stopwatch.h"
#include "base/StopwatchLog.h"
#include "framework/CPropertyPage.h"
#include "framework/PageTimerProc.h"
#include "framework/ScopedHandles.h"
#include "lists/ListOwner.h"
#include "pages/StopwatchStore.h"

// The Stopwatch page: start, stop, lap-and-reset, the running total in a
// large display, when the run began, was last started and last stopped,
// and a log of finished runs, newest first, that can be saved for a
// spreadsheet. It ticks twice a second while running, on its own window,
// whichever page is shown. The watch and its log outlast the program: they
// are kept at every Start, Stop and Reset and taken up again at the next
// start, a running watch still running. Without an owner nothing is kept
// and the log cannot be saved.
class CPPStopWatch : public CPropertyPage {
 public:
  explicit CPPStopWatch(ListOwner* owner);
  ~CPPStopWatch() override;

  void OnStartStop();
  void OnReset();
  void OnSaveLog();
  void OnTimerTick(UINT_PTR timerId);

  Stopwatch m_stopwatch;
  StopwatchLog m_log;
  UINT_PTR m_nTimer = 0;  // 0 while stopped
  std::string m_strDisplay;
  std::string m_strOriginalStart;
  std::string m_strLastStart;
  std::string m_strLastStop;
  // The log's text, CR LF after each line, newest first; made from m_log
  // and written to its box only when the log changes.
  std::string m_strLog;
  ListOwner* m_pMainDlg;  // the main window: where the watch is kept, the log saved

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

 private:
  void TakeUpKeptWatch();
  // The display's large font, at the page's DPI.
  void SetDisplayFont();
  void StartTicking();
  void StopTicking();
  void ShowState();
  void ShowTimes(int64_t lastStop);
  void ShowLog();
  void AppendLog(const StopwatchRun& run);
  bool WriteLogFile(const std::string& path);

  ScopedFont m_font;  // the display's
  StopwatchStore m_store;
  bool m_bTakenUp = false;
};

// The one Stopwatch page of the process, set by its constructor; the tick
// procedure finds the page through it.
extern CPPStopWatch* g_pStopWatchPage;
constexpr TIMERPROC StopwatchTimerProc = &PageTimerProc<CPPStopWatch, &g_pStopWatchPage>;
