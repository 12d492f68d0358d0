#include "base/Clock.h"

#include <ctime>

namespace {
ClockSource g_clockSource = nullptr;
}

int64_t ClockSeconds() {
  return g_clockSource ? g_clockSource() : static_cast<int64_t>(std::time(nullptr));
}

void SetClockSource(ClockSource source) { g_clockSource = source; }
