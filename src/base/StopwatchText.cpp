#include "base/StopwatchText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

#include "base/LocalTime.h"
#include "base/SpanText.h"

namespace {
const char kStateHeader[] = "Tempovista stopwatch 1";
const char kLogHeader[] = "Tempovista stopwatch log 1";
const char kLineEnd[] = "\r\n";

// The lines of `text`, which must each end in CR LF: a text without its last
// line end was cut short.
bool SplitLines(const std::string& text, std::vector<std::string>& lines) {
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find(kLineEnd, at);
    if (end == std::string::npos) return false;
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return true;
}

// Exactly `count` whole numbers, one space apart, nothing else.
bool ParseNumbers(const std::string& line, size_t count, int64_t* numbers) {
  const char* at = line.c_str();
  for (size_t i = 0; i < count; ++i) {
    if (i > 0 && *at++ != ' ') return false;
    if (*at != '-' && (*at < '0' || *at > '9')) return false;
    char* end = nullptr;
    errno = 0;
    numbers[i] = std::strtoll(at, &end, 10);
    if (errno != 0 || end == at) return false;
    at = end;
  }
  return *at == '\0';
}

bool IsKeptTime(int64_t seconds) { return seconds >= Stopwatch::kEarliest && seconds <= Stopwatch::kLatest; }
bool IsKeptSpan(int64_t seconds) { return seconds >= -Stopwatch::kLongest && seconds <= Stopwatch::kLongest; }

std::string Numbers(std::initializer_list<int64_t> numbers) {
  std::string line;
  for (const int64_t n : numbers) {
    if (!line.empty()) line += ' ';
    line += std::to_string(n);
  }
  return line + kLineEnd;
}

std::string IsoLocalTime(int64_t seconds) {
  const COleDateTime local = LocalTimeAt(seconds);
  if (!local.IsValid()) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", local.GetYear(), local.GetMonth(),
                local.GetDay(), local.GetHour(), local.GetMinute(), local.GetSecond());
  return text;
}

// Quoted where a comma, a quote or a line end would otherwise split it.
std::string CsvField(const std::string& value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
  std::string quoted = "\"";
  for (const char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}
}  // namespace

std::string FormatStopwatchState(const StopwatchState& s) {
  return kStateHeader + std::string(kLineEnd) +
         Numbers({s.running ? 1 : 0, s.cleared ? 1 : 0, s.originalStart, s.lastStart, s.lastStop, s.accumulated});
}

bool ParseStopwatchState(const std::string& text, StopwatchState& state) {
  std::vector<std::string> lines;
  int64_t n[6];
  if (!SplitLines(text, lines) || lines.size() != 2 || lines[0] != kStateHeader || !ParseNumbers(lines[1], 6, n))
    return false;
  if ((n[0] != 0 && n[0] != 1) || (n[1] != 0 && n[1] != 1)) return false;
  if (!IsKeptTime(n[2]) || !IsKeptTime(n[3]) || !IsKeptTime(n[4]) || !IsKeptSpan(n[5])) return false;
  state = StopwatchState{n[0] == 1, n[1] == 1, n[2], n[3], n[4], n[5]};
  return true;
}

std::string FormatStopwatchLog(const StopwatchLog& log) {
  std::string text = kLogHeader + std::string(kLineEnd);
  for (const StopwatchRun& run : log.Runs()) text += Numbers({run.seconds, run.start, run.stop});
  return text;
}

bool ParseStopwatchLog(const std::string& text, StopwatchLog& log) {
  std::vector<std::string> lines;
  if (!SplitLines(text, lines) || lines.empty() || lines[0] != kLogHeader) return false;
  StopwatchLog read;
  for (size_t i = 1; i < lines.size(); ++i) {
    int64_t n[3];
    if (!ParseNumbers(lines[i], 3, n) || !IsKeptSpan(n[0]) || !IsKeptTime(n[1]) || !IsKeptTime(n[2])) return false;
    read.Add(StopwatchRun{n[0], n[1], n[2]});
  }
  log = std::move(read);
  return true;
}

std::string ElapsedText(int64_t seconds) { return FormatSpan(SecondsToDays(std::max<int64_t>(seconds, 0))); }

std::string FormatStopwatchCsv(const StopwatchLog& log) {
  std::string text = "\xEF\xBB\xBF" "run,elapsed_seconds,elapsed,started,stopped\r\n";
  int64_t number = 0;
  for (const StopwatchRun& run : log.Runs()) {
    text += std::to_string(++number) + ',' + std::to_string(std::max<int64_t>(run.seconds, 0)) + ',' +
            CsvField(ElapsedText(run.seconds)) + ',' + CsvField(IsoLocalTime(run.start)) + ',' +
            CsvField(IsoLocalTime(run.stop)) + kLineEnd;
  }
  return text;
}
