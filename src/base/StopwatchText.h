#pragma once
#include <string>

#include "base/Stopwatch.h"
#include "base/StopwatchLog.h"

// The stopwatch's own files: its state, and its log of runs, as text that
// names itself on the first line, every line ending in CR LF. A text cut
// short, not ours or with a time out of Stopwatch's range reads as nothing
// (false), so that a watch is never taken up half.
std::string FormatStopwatchState(const StopwatchState& state);
bool ParseStopwatchState(const std::string& text, StopwatchState& state);
std::string FormatStopwatchLog(const StopwatchLog& log);
bool ParseStopwatchLog(const std::string& text, StopwatchLog& log);

// Seconds run as span text. A clock set back during a run can leave them
// negative: that shows as 0.
std::string ElapsedText(int64_t seconds);

// The log for a spreadsheet: CSV (RFC 4180) in UTF-8 with a byte-order mark
// and CR LF line ends, oldest run first, under the header
// run,elapsed_seconds,elapsed,started,stopped. Elapsed time is never below
// 0, as ElapsedText shows it; a run's start and stop are local date-times in
// ISO 8601 form (2026-12-07T13:18:28).
std::string FormatStopwatchCsv(const StopwatchLog& log);
