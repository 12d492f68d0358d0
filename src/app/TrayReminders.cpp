#include "app/TrayReminders.h"

#include <cstdint>

#include "app/CMainDlg.h"
#include "base/Clock.h"
#include "base/DifferenceCalc.h"
#include "base/NarrowText_win.h"
#include "base/ProgramNames.h"
#include "framework/ShellNotify.h"
#include "lists/ListEditor.h"
#include "lists/ReminderText.h"

namespace {
// The balloon's text field holds 255 characters and its terminator.
const size_t kBalloonTextRoom = 255;

LONG DayNumber(const COleDateTime& day) { return day.GetYear() * 10000L + day.GetMonth() * 100L + day.GetDay(); }
}  // namespace

void TrayReminders::Start() {
  m_started = true;
  m_schedule.Replace(m_owner.m_counters, ClockSeconds());
  ArmWakeUp();
}

void TrayReminders::OnCountersChanged() {
  if (!m_started) return;  // the lists loaded before the window: Start takes them
  TellEnded(m_schedule.Replace(m_owner.m_counters, ClockSeconds()));
  ArmWakeUp();
}

// Only the ends due: nothing is planned again at each end.
void TrayReminders::OnWakeUp() {
  if (!m_started) return;
  TellEnded(m_schedule.Wake(m_owner.m_counters, ClockSeconds()));
  ArmWakeUp();
}

void TrayReminders::OnClockChanged() {
  if (!m_started) return;
  TellEnded(m_schedule.Advance(m_owner.m_counters, ClockSeconds()));
  ArmWakeUp();
}

// For the end itself, to the millisecond: counted from the whole second
// now is in, a balloon came as late as the part of a second gone at arming.
// At most USER_TIMER_MAXIMUM ahead; a wake-up before the end arms again.
void TrayReminders::ArmWakeUp() {
  HWND window = m_owner.GetSafeHwnd();
  if (window == nullptr) return;
  int64_t next = 0;
  if (!m_schedule.Next(next)) {
    KillTimer(window, kWakeUpTimer);
    return;
  }
  const int64_t ms = next * 1000 - ClockMilliseconds();
  const UINT delay = ms < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM
                     : ms > USER_TIMER_MAXIMUM ? USER_TIMER_MAXIMUM
                                               : static_cast<UINT>(ms);
  SetTimer(window, kWakeUpTimer, delay, nullptr);
}

// A second record of the same icon: the first form cannot carry a balloon,
// and the icon re-added for a new task bar must not show this one again.
bool TrayReminders::ShowBalloon(const std::string& title, const std::string& text) {
  if (!m_owner.TrayIconAdded()) return false;
  NOTIFYICONDATAW balloon{};
  balloon.cbSize = NOTIFYICONDATAW_V2_SIZE;
  balloon.hWnd = m_owner.m_nid.hWnd;
  balloon.uID = m_owner.m_nid.uID;
  balloon.uFlags = NIF_INFO;
  balloon.uTimeout = 10000;  // the shortest that systems before Vista take
  balloon.dwInfoFlags = NIIF_INFO;
  CopyTextField(balloon.szInfoTitle, ARRAYSIZE(balloon.szInfoTitle), title);
  CopyTextField(balloon.szInfo, ARRAYSIZE(balloon.szInfo), text);
  return ShellNotifyIcon(NIM_MODIFY, &balloon) != FALSE;
}

// Ends that came together (the same second, or while the machine slept)
// make one balloon.
void TrayReminders::TellEnded(const std::vector<CountdownEnd>& ended) {
  if (ended.empty() || m_owner.GetNumberSetting(setting::kNotifyCountdowns) == 0) return;
  bool shown = false;
  if (ended.size() == 1) {
    shown = ShowBalloon(ended[0].name, "Countdown ended at " + EndText(ended[0].end));
  } else {
    std::vector<std::string> names;
    for (const CountdownEnd& e : ended) names.push_back(e.name);
    shown = ShowBalloon("Countdowns ended", LinesThatFit(names, kBalloonTextRoom));
  }
  if (!shown) return;
  m_topic = Topic::Countdown;
  m_counter = ended[0];
}

// The day counts as announced only once a balloon was shown: a start before
// the notification area exists leaves it for later. Nothing today but
// something ahead is "Coming up".
void TrayReminders::AnnounceDay(const COleDateTime& today) {
  if (m_owner.GetNumberSetting(setting::kNotifyToday) == 0 || !today.IsValid()) return;
  const LONG day = DayNumber(today);
  if (m_owner.GetNumberSetting(setting::kLastTodayNotice) == day) return;
  const long long first = DayIndex(today.m_dt);
  const std::vector<ReminderLine> lines = ReminderLines(m_owner.m_holidays, m_owner.m_events, first,
                                                        m_owner.GetNumberSetting(setting::kRemindDaysAhead));
  if (lines.empty()) return;
  std::vector<std::string> texts;
  for (const ReminderLine& line : lines) texts.push_back(line.text);
  if (!ShowBalloon(lines.front().day == first ? "Today" : "Coming up", LinesThatFit(texts, kBalloonTextRoom))) return;
  m_owner.SetNumberSetting(setting::kLastTodayNotice, day);
  m_topic = Topic::Today;
  m_today = COleDateTime(static_cast<double>(lines.front().day));
  m_todayKind = lines.front().kind;
}

void TrayReminders::OnBalloonClick() {
  if (m_topic == Topic::Today) {
    ListEditor* page = m_owner.ShowListPage(m_todayKind);
    if (page != nullptr) page->ShowDay(m_today);
  } else if (m_topic == Topic::Countdown) {
    ListEditor* page = m_owner.ShowListPage(DateListKind::Counters);
    if (page != nullptr) page->SelectRecord(m_counter.name, m_counter.end);
  }
}
