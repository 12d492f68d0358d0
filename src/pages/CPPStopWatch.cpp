#include "pages/CPPStopWatch.h"

#include <cstring>
#include <utility>

#include "base/Clock.h"
#include "base/LocalTime.h"
#include "base/ProgramNames.h"
#include "base/StopwatchText.h"
#include "framework/Dpi.h"
#include "framework/LocaleText.h"
#include "framework/Prompt.h"
#include "lists/ListSource.h"
#include "resource.h"

CPPStopWatch* g_pStopWatchPage = nullptr;

namespace {
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 500;
constexpr int kDisplayFontHeight = 50;  // pixels at 96 DPI

std::string TimeText(int64_t seconds) { return DateText(LocalTimeAt(seconds), DateTextForm::DateAndTime); }

std::string LogLine(const StopwatchRun& run) {
  return ElapsedText(run.seconds) + " | " + TimeText(run.start) + " | " + TimeText(run.stop) + "\r\n";
}
}  // namespace

CPPStopWatch::CPPStopWatch(ListOwner* owner) : CPropertyPage(IDD_STOPWATCH), m_pMainDlg(owner) {
  g_pStopWatchPage = this;
}

CPPStopWatch::~CPPStopWatch() {
  if (g_pStopWatchPage == this) g_pStopWatchPage = nullptr;
}

void CPPStopWatch::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_SW_DISPLAY, m_strDisplay);
  DDX_Text(pDX, IDC_SW_ORIGINALSTART, m_strOriginalStart);
  DDX_Text(pDX, IDC_SW_LASTSTART, m_strLastStart);
  DDX_Text(pDX, IDC_SW_LASTSTOP, m_strLastStop);
}

// Once per run of the program, when the page is first made.
void CPPStopWatch::TakeUpKeptWatch() {
  if (m_bTakenUp) return;
  m_bTakenUp = true;
  if (m_pMainDlg != nullptr) m_store.SetFolderOf(m_pMainDlg->GetTextSetting(setting::kHolidayCacheFile));
  m_store.Load(m_stopwatch, m_log);
  m_strLog.clear();
  for (auto run = m_log.Runs().rbegin(); run != m_log.Runs().rend(); ++run) m_strLog += LogLine(*run);
  if (!m_stopwatch.IsCleared() && !m_stopwatch.IsRunning()) ShowTimes(m_stopwatch.LastStop());
}

BOOL CPPStopWatch::OnInitDialog() {
  TakeUpKeptWatch();
  CPropertyPage::OnInitDialog();
  KeepOwnFontOnDpiChange(GetDlgItem(IDC_SW_DISPLAY));
  SetDisplayFont();
  ShowLog();
  ShowState();
  if (m_stopwatch.IsRunning()) {
    StartTicking();
    OnTimerTick(kTickTimer);
  }
  return TRUE;
}

void CPPStopWatch::OnDpiChanged(UINT oldDpi, UINT newDpi) {
  CPropertyPage::OnDpiChanged(oldDpi, newDpi);
  SetDisplayFont();
}

void CPPStopWatch::SetDisplayFont() {
  LOGFONTA lf{};
  lf.lfHeight = ScaleForDpi(kDisplayFontHeight, GetDpi());
  std::strcpy(lf.lfFaceName, "Arial");
  ScopedFont font(::CreateFontIndirectA(&lf));
  SendDlgItemMessage(IDC_SW_DISPLAY, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  m_font = std::move(font);  // the old one goes once the display has let go of it
}

bool CPPStopWatch::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_SW_STARTSTOP: OnStartStop(); return true;
    case IDC_SW_RESET: OnReset(); return true;
    case IDC_SW_SAVELOG: OnSaveLog(); return true;
    default: return false;
  }
}

void CPPStopWatch::StartTicking() { m_nTimer = SetTimer(kTickTimer, kTickMs, StopwatchTimerProc); }

void CPPStopWatch::StopTicking() {
  if (m_nTimer != 0) KillTimer(m_nTimer);
  m_nTimer = 0;
}

void CPPStopWatch::ShowState() {
  SetDlgItemText(IDC_SW_STARTSTOP, m_stopwatch.IsRunning() ? "&Stop" : "&Start");
  EnableItem(IDC_SW_RESET, m_stopwatch.CanReset());
  SetDlgItemText(IDC_SW_RESET, "&Reset");
}

void CPPStopWatch::ShowTimes(int64_t lastStop) {
  m_strDisplay = ElapsedText(m_stopwatch.Elapsed(lastStop));
  m_strOriginalStart = TimeText(m_stopwatch.OriginalStart());
  m_strLastStart = TimeText(m_stopwatch.LastStart());
  m_strLastStop = TimeText(lastStop);
}

void CPPStopWatch::ShowLog() {
  SetDlgItemText(IDC_SW_LOG, m_strLog);
  EnableItem(IDC_SW_SAVELOG, !m_log.IsEmpty());
}

// The display and the boxes keep what the last tick showed. A watch that
// cannot be kept still runs; the next click tries again.
void CPPStopWatch::OnStartStop() {
  if (m_stopwatch.IsRunning()) {
    StopTicking();
    m_stopwatch.Stop();
  } else {
    m_stopwatch.Start();
    StartTicking();
  }
  m_store.SaveState(m_stopwatch);
  ShowState();
}

void CPPStopWatch::OnReset() {
  const bool lap = m_stopwatch.IsRunning();
  if (lap) StopTicking();
  StopwatchRun finished;
  const bool ended = m_stopwatch.Reset(finished);
  if (lap) StartTicking();
  if (ended) {
    AppendLog(finished);
    // The log first: an end between the two files logs the run twice
    // rather than losing it.
    m_store.SaveLog(m_log);
    m_store.SaveState(m_stopwatch);
  }
  if (ended && !lap) {
    UpdateData(true);
    m_strDisplay = ElapsedText(0);
    m_strOriginalStart.clear();
    m_strLastStart.clear();
    m_strLastStop.clear();
  }
  ShowState();
  UpdateData(false);
}

void CPPStopWatch::AppendLog(const StopwatchRun& run) {
  if (m_log.Size() == StopwatchLog::kMaxRuns) {
    // The oldest run, the last line, goes: cut after the line end before it.
    const size_t last = m_strLog.rfind("\r\n", m_strLog.size() - 3);
    m_strLog.erase(last == std::string::npos ? 0 : last + 2);
  }
  m_log.Add(run);
  m_strLog.insert(0, LogLine(run));
  ShowLog();
}

void CPPStopWatch::OnSaveLog() {
  const std::string path = ChooseCsvSavePath(m_hWnd, "Stopwatch log.csv");
  if (!path.empty()) WriteLogFile(path);
}

// As a list is saved: whole or not at all, and the user told why not.
bool CPPStopWatch::WriteLogFile(const std::string& path) {
  return m_pMainDlg != nullptr && StoreListText(*m_pMainDlg, path, FormatStopwatchCsv(m_log), false);
}

void CPPStopWatch::OnTimerTick(UINT_PTR) {
  ShowTimes(ClockSeconds());
  UpdateData(false);
}
