#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/COleDateTime.h"
#include "lists/CountdownSchedule.h"
#include "lists/DateRecord.h"

class CMainDlg;

// The main window's reminders through its tray icon: a balloon when a
// countdown ends, and once a day one for today's holidays and events.
// Nothing runs between two ends: one one-shot timer on the main window wakes
// it for the soonest. Balloons that cannot be shown are dropped.
class TrayReminders {
 public:
  explicit TrayReminders(CMainDlg& owner) : m_owner(owner) {}

  // The id of the wake-up timer on the main window.
  static constexpr UINT_PTR kWakeUpTimer = 0x7E4D;

  // From now on ends notify; those already passed never do.
  void Start();
  // The counter list was replaced or edited: the old list's ends passed by
  // now are told, the new list's from now on.
  void OnCountersChanged();
  // The wake-up timer.
  void OnWakeUp();
  // A change of the system clock or its time zone, a resume from sleep.
  void OnClockChanged();
  // At start-up and at the change of day: the balloon of today and the
  // days ahead, once a day.
  void AnnounceDay(const COleDateTime& today);
  // The user clicked the last balloon shown.
  void OnBalloonClick();

 private:
  // A balloon from the tray icon, tried once; false when it was not shown
  // (no icon, or the shell refused it).
  bool ShowBalloon(const std::string& title, const std::string& text);
  void TellEnded(const std::vector<CountdownEnd>& ended);
  void ArmWakeUp();

  enum class Topic { None, Countdown, Today };

  CMainDlg& m_owner;
  CountdownSchedule m_schedule;
  bool m_started = false;
  // What the last balloon was about, for its click.
  Topic m_topic = Topic::None;
  CountdownEnd m_counter;
  // The Today balloon's first line: its day and list.
  COleDateTime m_today{0.0, COleDateTime::invalid};
  DateListKind m_todayKind = DateListKind::Holidays;
};
