#include "pages/CPPStopWatch.h"

#include <cstring>
#include <utility>

#include "base/SpanText.h"
#include "framework/Dpi.h"
#include "framework/LocaleText.h"
#include "resource.h"

CPPStopWatch* g_pStopWatchPage = nullptr;

namespace {
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 500;
constexpr int kDisplayFontHeight = 50;  // pixels at 96 DPI

std::string TimeText(const COleDateTime& value) { return DateText(value, DateTextForm::DateAndTime); }
}  // namespace

CPPStopWatch::CPPStopWatch() : CPropertyPage(IDD_STOPWATCH) { g_pStopWatchPage = this; }

CPPStopWatch::~CPPStopWatch() {
  if (g_pStopWatchPage == this) g_pStopWatchPage = nullptr;
}

void CPPStopWatch::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_SW_DISPLAY, m_strDisplay);
  DDX_Text(pDX, IDC_SW_ORIGINALSTART, m_strOriginalStart);
  DDX_Text(pDX, IDC_SW_LASTSTART, m_strLastStart);
  DDX_Text(pDX, IDC_SW_LASTSTOP, m_strLastStop);
  DDX_Text(pDX, IDC_SW_LOG, m_strLog);
}

BOOL CPPStopWatch::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  KeepOwnFontOnDpiChange(GetDlgItem(IDC_SW_DISPLAY));
  SetDisplayFont();
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

// The display and the boxes keep what the last tick showed.
void CPPStopWatch::OnStartStop() {
  if (m_stopwatch.IsRunning()) {
    StopTicking();
    m_stopwatch.Stop();
  } else {
    m_stopwatch.Start();
    StartTicking();
  }
  ShowState();
}

void CPPStopWatch::OnReset() {
  const bool lap = m_stopwatch.IsRunning();
  if (lap) StopTicking();
  StopwatchRun finished;
  const bool ended = m_stopwatch.Reset(finished);
  if (lap) StartTicking();
  if (ended) AppendLog(finished);
  if (ended && !lap) {
    UpdateData(true);
    m_strDisplay = FormatSpan(0.0);
    m_strOriginalStart.clear();
    m_strLastStart.clear();
    m_strLastStop.clear();
  }
  ShowState();
  UpdateData(false);
}

void CPPStopWatch::AppendLog(const StopwatchRun& run) {
  UpdateData(true);
  const std::string line = FormatSpan(SecondsToDays(run.seconds)) + " | " + TimeText(run.start) + " | " +
                           TimeText(run.stop) + "\r\n";
  m_strLog = line + m_strLog;
  UpdateData(false);
}

void CPPStopWatch::OnTimerTick(UINT_PTR) {
  const COleDateTime now = COleDateTime::GetCurrentTime();
  m_strDisplay = FormatSpan(m_stopwatch.Elapsed(now));
  m_strOriginalStart = TimeText(m_stopwatch.OriginalStart());
  m_strLastStart = TimeText(m_stopwatch.LastStart());
  m_strLastStop = TimeText(now);
  UpdateData(false);
}
