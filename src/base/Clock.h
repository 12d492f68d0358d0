#pragma once
#include <cstdint>

// The system clock since 1970 (UTC), and a seam for tests.
int64_t ClockMilliseconds();
// Whole seconds, floored: a moment before 1970 belongs to the second that
// began before it.
int64_t ClockSeconds();

// Tests replace the clock with a source of milliseconds since 1970; nullptr
// restores the system clock.
using ClockSource = int64_t (*)();
void SetClockSource(ClockSource source);
