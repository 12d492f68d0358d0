#pragma once
#include <cstdint>

// The system clock in seconds since 1970 (UTC), and a seam for tests.
int64_t ClockSeconds();

// Tests replace the clock; nullptr restores the system clock.
using ClockSource = int64_t (*)();
void SetClockSource(ClockSource source);
