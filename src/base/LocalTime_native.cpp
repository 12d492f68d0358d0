#include "base/LocalTime.h"

#include <ctime>

COleDateTime LocalTimeAt(int64_t seconds) {
  const time_t when = static_cast<time_t>(seconds);
  struct tm local {};
  COleDateTime result;
  if (localtime_r(&when, &local) == nullptr) {
    result.SetStatus(COleDateTime::invalid);
    return result;
  }
  // A leap second reads as the second before it.
  result.SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                     local.tm_sec > 59 ? 59 : local.tm_sec);
  return result;
}

bool SystemInstantOfLocalTime(const COleDateTime& local, int64_t& seconds) {
  if (!local.IsValid()) return false;
  struct tm wall {};
  wall.tm_year = local.GetYear() - 1900;
  wall.tm_mon = local.GetMonth() - 1;
  wall.tm_mday = local.GetDay();
  wall.tm_hour = local.GetHour();
  wall.tm_min = local.GetMinute();
  wall.tm_sec = local.GetSecond();
  wall.tm_isdst = -1;  // the zone's rules for that date
  const time_t when = mktime(&wall);
  if (when == static_cast<time_t>(-1)) return false;
  seconds = static_cast<int64_t>(when);
  return true;
}
