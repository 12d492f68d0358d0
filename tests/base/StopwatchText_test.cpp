// The stopwatch's kept files read back only whole and only when ours, the
// log keeps its newest runs, and the CSV for a spreadsheet as Python's csv
// module reads it.
#include "base/StopwatchText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#endif

namespace {

constexpr int64_t kTen = 1042624800;  // 15 January 2003, 10:00:00 UTC

TEST(StopwatchText, KeptFilesReadBackWholeOrNotAtAll) {
  const StopwatchState kept{true, false, kTen, kTen + 30, kTen + 20, 15};
  const std::string state = FormatStopwatchState(kept);
  StopwatchState read;
  ASSERT_TRUE(ParseStopwatchState(state, read));
  EXPECT_EQ(FormatStopwatchState(read), state);

  StopwatchLog log;
  log.Add({7, kTen, kTen + 7});
  log.Add({-60, kTen + 9, kTen - 51});  // a clock set back by hand
  const std::string logText = FormatStopwatchLog(log);
  StopwatchLog logRead;
  ASSERT_TRUE(ParseStopwatchLog(logText, logRead));
  EXPECT_EQ(FormatStopwatchLog(logRead), logText);

  // Cut short anywhere, the text is not taken up, and neither is the
  // last line without its line end.
  for (size_t length = 0; length < state.size(); ++length) {
    EXPECT_FALSE(ParseStopwatchState(state.substr(0, length), read)) << length;
  }
  for (size_t length = 0; length < logText.size(); ++length) {
    StopwatchLog cut;
    if (ParseStopwatchLog(logText.substr(0, length), cut)) {
      // Only at a line end, with the runs before it.
      EXPECT_EQ(logText.substr(length - 2, 2), "\r\n") << length;
      EXPECT_LT(cut.Size(), log.Size()) << length;
    }
  }
  const std::vector<std::string> foreign = {
      "Tempovista stopwatch 2\r\n1 0 1 2 3 4\r\n", "Tempovista stopwatch 1\r\n2 0 1 2 3 4\r\n",
      "Tempovista stopwatch 1\r\n1 0 1 2 3\r\n",   "Tempovista stopwatch 1\r\n1 0 1 2 3 4 5\r\n",
      "Tempovista stopwatch 1\n1 0 1 2 3 4\n",     "Tempovista stopwatch 1\r\n1 0 1 2x 3 4\r\n",
      "Tempovista stopwatch 1\r\n1  0 1 2 3 4\r\n", "Tempovista stopwatch 1\r\n1 0 1 2 3 99999999999999999999\r\n",
      logText,
  };
  for (const std::string& text : foreign) EXPECT_FALSE(ParseStopwatchState(text, read)) << text;
  StopwatchLog notOurs;
  EXPECT_FALSE(ParseStopwatchLog(state, notOurs));
}

TEST(StopwatchText, LogKeepsTheNewestRuns) {
  StopwatchLog log;
  for (int64_t i = 0; i <= static_cast<int64_t>(StopwatchLog::kMaxRuns); ++i) log.Add({i, kTen + i, kTen + i});
  ASSERT_EQ(log.Size(), StopwatchLog::kMaxRuns);
  EXPECT_EQ(log.Runs().front().seconds, 1);
  StopwatchLog read;
  ASSERT_TRUE(ParseStopwatchLog(FormatStopwatchLog(log) + "0 0 0\r\n", read));
  EXPECT_EQ(read.Size(), StopwatchLog::kMaxRuns);
  EXPECT_EQ(read.Runs().front().seconds, 2);
}

#ifndef _WIN32
// Three runs written as CSV, read back by Python's csv module
// (tests/base/stopwatch_csv.py), which also checks the byte-order mark and
// that every line ends in CR LF.
TEST(StopwatchText, CsvReadsBackInPython) {
  const char* command = std::getenv("TV_STOPWATCH_CSV");
  if (command == nullptr) GTEST_SKIP() << "TV_STOPWATCH_CSV is not set";
  const char* zone = std::getenv("TZ");
  const std::string oldZone = zone != nullptr ? zone : "";
  setenv("TZ", "UTC", 1);
  tzset();
  StopwatchLog log;
  log.Add({7, kTen, kTen + 7});
  log.Add({3723, kTen + 60, kTen + 3783});
  log.Add({90061, kTen + 86400, kTen + 176461});
  const std::string csv = FormatStopwatchCsv(log);
  zone != nullptr ? setenv("TZ", oldZone.c_str(), 1) : unsetenv("TZ");
  tzset();

  char path[] = "/tmp/tv-stopwatch-csv-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  std::ofstream(path, std::ios::binary) << csv;
  FILE* pipe = popen((std::string(command) + " " + path).c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = pclose(pipe);
  std::remove(path);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
  EXPECT_EQ(output,
            "run|elapsed_seconds|elapsed|started|stopped\n"
            "1|7|0d 00:00:07|2003-01-15T10:00:00|2003-01-15T10:00:07\n"
            "2|3723|0d 01:02:03|2003-01-15T10:01:00|2003-01-15T11:03:03\n"
            "3|90061|1d 01:01:01|2003-01-16T10:00:00|2003-01-17T11:01:01\n");
}
#endif

}  // namespace
