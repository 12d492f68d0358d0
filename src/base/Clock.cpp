#include "base/Clock.h"

#include <chrono>

namespace {
ClockSource g_clockSource = nullptr;
}

int64_t ClockMilliseconds() {
  if (g_clockSource) return g_clockSource();
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t ClockSeconds() {
  const int64_t ms = ClockMilliseconds();
  return ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
}

void SetClockSource(ClockSource source) { g_clockSource = source; }
