#include "base/SpanText.h"

#include <cmath>
#include <cstdio>

namespace {
// Far beyond any span between two dates of years 100..9999; keeps the
// products below within 64 bits for nonsense input.
constexpr double kLimitDays = 1.0e8;
}

std::string FormatSpan(double days) {
  if (std::isnan(days)) days = 0.0;
  if (days > kLimitDays) days = kLimitDays;
  if (days < -kLimitDays) days = -kLimitDays;
  const double half = days < 0.0 ? -0.5 / 86400.0 : 0.5 / 86400.0;
  const double rounded = days + half;
  // 64-bit products: a 32-bit long overflows at 68 years' worth of seconds.
  const long long wholeDays = static_cast<long long>(days);
  const long long hours = static_cast<long long>(rounded * 24.0) % 24;
  const long long minutes = static_cast<long long>(rounded * 1440.0) % 60;
  const long long seconds = static_cast<long long>(rounded * 86400.0) % 60;
  char text[64];
  std::snprintf(text, sizeof text, "%lldd %02lld:%02lld:%02lld", wholeDays, hours, minutes,
                seconds);
  return text;
}
