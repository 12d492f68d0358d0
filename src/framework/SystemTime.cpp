#include "framework/SystemTime.h"

#include <oleauto.h>

bool ToSystemTime(const COleDateTime& value, SYSTEMTIME& out) {
  SYSTEMTIME time{};
  if (!value.IsValid() || !VariantTimeToSystemTime(value.m_dt, &time)) return false;
  out = time;
  return true;
}

bool FromSystemTime(SYSTEMTIME time, bool dateOnly, COleDateTime& out) {
  if (dateOnly) time.wHour = time.wMinute = time.wSecond = 0;
  time.wMilliseconds = 0;
  double days = 0.0;
  if (!SystemTimeToVariantTime(&time, &days)) return false;
  out = COleDateTime(days);
  return true;
}
