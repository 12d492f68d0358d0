#include "base/SettingsDefaults.h"

#include <cstring>

#include "base/ProgramNames.h"
#include "base/WorkWeek.h"

const NumberDefault kNumberDefaults[kNumberDefaultCount] = {
    {setting::kWindowHide, 0},
    {setting::kWindowMinimised, 0},
    {setting::kDifference, 0x20004},  // 4 weeks
    {setting::kLinkedDifference, 0},
    {setting::kUpdatePeriod, 60},
    {setting::kInternetAllowed, 0},
    {setting::kWorkWeek, WorkWeek::kMondayToFriday},
    {setting::kIncludeStartDate, 0},
    {setting::kNotifyCountdowns, 1},
    {setting::kNotifyToday, 1},
    {setting::kLastTodayNotice, 0},
    {setting::kRemindDaysAhead, 0},
    {setting::kWebTimeout, 30},
    {setting::kWebRefreshHours, 12},
};

const TextDefault kTextDefaults[kTextDefaultCount] = {
    {setting::kHolidayFile, ""},      {setting::kEventFile, ""},
    {setting::kCounterFile, ""},      {setting::kHolidayCacheFile, ""},
    {setting::kEventCacheFile, ""},   {setting::kCounterCacheFile, ""},
    {setting::kHolidayWebAddress, ""}, {setting::kHolidayWebETag, ""},
    {setting::kHolidayWebLastModified, ""}, {setting::kHolidayWebUpdated, ""},
    {setting::kEventWebAddress, ""},   {setting::kEventWebETag, ""},
    {setting::kEventWebLastModified, ""}, {setting::kEventWebUpdated, ""},
    {setting::kCounterWebAddress, ""}, {setting::kCounterWebETag, ""},
    {setting::kCounterWebLastModified, ""}, {setting::kCounterWebUpdated, ""},
};

long DefaultNumber(const char* name) {
  for (const NumberDefault& entry : kNumberDefaults)
    if (std::strcmp(entry.name, name) == 0) return entry.value;
  return 0;
}
