#pragma once
// The program's title, its settings key, and the names of its settings:
// every file that needs one takes it from here. The settings' defaults are
// in base/SettingsDefaults.
constexpr char kProgramTitle[] = "Tempovista";
constexpr char kProgramSettingsKey[] = "Software\\QRV\\Tempovista\\";

namespace setting {
// Numbers.
constexpr char kWindowHide[] = "WindowHide";
constexpr char kWindowMinimised[] = "WindowMinimised";
constexpr char kDifference[] = "Difference";
constexpr char kLinkedDifference[] = "LinkedDifference";
constexpr char kUpdatePeriod[] = "UpdatePeriod";
constexpr char kInternetAllowed[] = "InternetAllowed";
constexpr char kWorkWeek[] = "WorkWeek";
constexpr char kIncludeStartDate[] = "IncludeStartDate";
// The tray's reminders: a balloon when a countdown ends, and one a day for
// today's holidays and events and those of the next RemindDaysAhead days;
// the day last announced, as yyyymmdd.
constexpr char kNotifyCountdowns[] = "NotifyCountdowns";
constexpr char kNotifyToday[] = "NotifyToday";
constexpr char kLastTodayNotice[] = "LastTodayNotice";
constexpr char kRemindDaysAhead[] = "RemindDaysAhead";
// Texts: where each list was last loaded from or saved to, and its cache.
constexpr char kHolidayFile[] = "HolidayFile";
constexpr char kEventFile[] = "EventFile";
constexpr char kCounterFile[] = "CounterFile";
constexpr char kHolidayCacheFile[] = "HolidayCacheFile";
constexpr char kEventCacheFile[] = "EventCacheFile";
constexpr char kCounterCacheFile[] = "CounterCacheFile";
}  // namespace setting
