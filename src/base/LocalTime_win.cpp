#include "base/LocalTime.h"

#include <windows.h>


namespace {
// FILETIME counts 100 ns ticks since 1601.
constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

bool ToSystemTime(const COleDateTime& local, SYSTEMTIME& out) {
  if (!local.IsValid() || local.GetYear() < 1601) return false;
  out = SYSTEMTIME{};
  out.wYear = static_cast<WORD>(local.GetYear());
  out.wMonth = static_cast<WORD>(local.GetMonth());
  out.wDay = static_cast<WORD>(local.GetDay());
  out.wHour = static_cast<WORD>(local.GetHour());
  out.wMinute = static_cast<WORD>(local.GetMinute());
  out.wSecond = static_cast<WORD>(local.GetSecond());
  return true;
}
}  // namespace

COleDateTime LocalTimeAt(int64_t seconds) {
  COleDateTime result;
  result.SetStatus(COleDateTime::invalid);
  if (seconds < -kSecondsFrom1601To1970 || seconds > INT64_MAX / kTicksPerSecond - kSecondsFrom1601To1970)
    return result;
  const uint64_t ticks = static_cast<uint64_t>(seconds + kSecondsFrom1601To1970) * kTicksPerSecond;
  FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME universal{}, local{};
  if (!::FileTimeToSystemTime(&utc, &universal) || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
    return result;
  result.SetDateTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond);
  return result;
}

bool SystemInstantOfLocalTime(const COleDateTime& local, int64_t& seconds) {
  SYSTEMTIME wall{}, universal{};
  FILETIME utc{};
  if (!ToSystemTime(local, wall) || !::TzSpecificLocalTimeToSystemTime(nullptr, &wall, &universal) ||
      !::SystemTimeToFileTime(&universal, &utc))
    return false;
  const int64_t ticks = static_cast<int64_t>((static_cast<uint64_t>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
  seconds = ticks / kTicksPerSecond - kSecondsFrom1601To1970;
  return true;
}
