#include "base/LocalTime.h"

#include <cmath>

#include "base/Clock.h"
#include "base/SpanText.h"

int64_t InstantOfLocalTime(const COleDateTime& local) {
  int64_t seconds = 0;
  if (SystemInstantOfLocalTime(local, seconds)) return seconds;
  const int64_t now = ClockSeconds();
  const double days = local - LocalTimeAt(now);
  // Beyond any valid date: an end long past or far ahead.
  constexpr double kLimitDays = 1.0e7;
  if (!(days > -kLimitDays)) return now - static_cast<int64_t>(kLimitDays * 86400.0);
  if (!(days < kLimitDays)) return now + static_cast<int64_t>(kLimitDays * 86400.0);
  return now + static_cast<int64_t>(std::llround(days * 86400.0));
}

std::string RemainingText(const COleDateTime& end, int64_t now) {
  const int64_t left = InstantOfLocalTime(end) - now;
  return left <= 0 ? "Expired" : FormatSpan(SecondsToDays(left));
}
