#pragma once
// The program's title, its settings key, and the names of its settings:
// every file that needs one takes it from here. The settings' defaults are
// in base/SettingsDefaults.
constexpr char kProgramTitle[] = "Tempovista";
// How the program names itself to web servers.
constexpr char kWebAgentName[] = "Quorvane Tempovista";
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
// Web lists: seconds without an answer before a fetch is given up (1 to
// 600), and hours between background refreshes (0: none).
constexpr char kWebTimeout[] = "WebTimeout";
constexpr char kWebRefreshHours[] = "WebRefreshHours";
// Texts: where each list was last loaded from or saved to, and its cache.
constexpr char kHolidayFile[] = "HolidayFile";
constexpr char kEventFile[] = "EventFile";
constexpr char kCounterFile[] = "CounterFile";
constexpr char kHolidayCacheFile[] = "HolidayCacheFile";
constexpr char kEventCacheFile[] = "EventCacheFile";
constexpr char kCounterCacheFile[] = "CounterCacheFile";
// Per kind, what the last web answer that wrote the cache said: its address,
// ETag, Last-Modified and when it came (ISO local time).
constexpr char kHolidayWebAddress[] = "HolidayWebAddress";
constexpr char kHolidayWebETag[] = "HolidayWebETag";
constexpr char kHolidayWebLastModified[] = "HolidayWebLastModified";
constexpr char kHolidayWebUpdated[] = "HolidayWebUpdated";
constexpr char kEventWebAddress[] = "EventWebAddress";
constexpr char kEventWebETag[] = "EventWebETag";
constexpr char kEventWebLastModified[] = "EventWebLastModified";
constexpr char kEventWebUpdated[] = "EventWebUpdated";
constexpr char kCounterWebAddress[] = "CounterWebAddress";
constexpr char kCounterWebETag[] = "CounterWebETag";
constexpr char kCounterWebLastModified[] = "CounterWebLastModified";
constexpr char kCounterWebUpdated[] = "CounterWebUpdated";
}  // namespace setting
