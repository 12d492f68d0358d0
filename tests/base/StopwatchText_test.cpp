// The stopwatch's kept files read back only whole and only when ours, and
// its CSV as Python's csv module reads it.
#include "base/StopwatchText.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#endif

namespace {

constexpr int64_t kMorning = 1042624800;  // 15 January 2003, 10:00:00 UTC

TEST(StopwatchText, KeptFilesReadBackWholeOrNotAtAll) {
  constexpr int64_t kFirst = Stopwatch::kEarliest, kLast = Stopwatch::kLatest, kLongest = Stopwatch::kLongest;
  StopwatchState read;
  // A stop before its start reads back, as do the edges of the range.
  for (const StopwatchState& kept : {StopwatchState{true, false, kMorning, kMorning + 30, kMorning + 20, -15},
                                     StopwatchState{true, false, kFirst, kLast, kFirst, -kLongest},
                                     StopwatchState{false, false, kLast, kFirst, kLast, kLongest}}) {
    ASSERT_TRUE(ParseStopwatchState(FormatStopwatchState(kept), read));
    EXPECT_EQ(FormatStopwatchState(read), FormatStopwatchState(kept));
  }
  const std::string state = FormatStopwatchState(read);
  for (size_t length = 0; length < state.size(); ++length)
    EXPECT_FALSE(ParseStopwatchState(state.substr(0, length), read)) << length;
  StopwatchLog logRead;
  const std::string watch = "Tempovista stopwatch 1\r\n", runs = "Tempovista stopwatch log 1\r\n";
  for (const std::string& foreign :
       {std::string("Tempovista stopwatch 2\r\n1 0 1 2 3 4\r\n"), watch + "2 0 1 2 3 4\r\n", watch + "1 0 1 2x 3 4\r\n",
        watch + "1 0 1 2 3 4 5\r\n", watch + "1 0 -11644473601 0 0 0\r\n", watch + "1 0 0 910692730086 0 0\r\n",
        watch + "0 0 0 0 -11644473601 0\r\n", watch + "0 0 0 0 0 922337203686\r\n", watch + "0 0 0 0 0 -922337203686\r\n",
        runs + "1 -11644473601 0\r\n", runs + "1 0 0\r\n-922337203686 0 0\r\n", runs + "1 0 910692730086\r\n"}) {
    EXPECT_FALSE(ParseStopwatchState(foreign, read)) << foreign;
    EXPECT_FALSE(ParseStopwatchLog(foreign, logRead)) << foreign;
  }

  // The log: its newest runs only, and none from a file cut mid-line.
  StopwatchLog log;
  for (int64_t i = 0; i <= static_cast<int64_t>(StopwatchLog::kMaxRuns); ++i) log.Add({i, kMorning + i, kMorning + i});
  log.Add({-kLongest, kLast, kFirst});
  const std::string logText = FormatStopwatchLog(log);
  ASSERT_TRUE(ParseStopwatchLog(logText, logRead));
  EXPECT_EQ(logRead.Size(), StopwatchLog::kMaxRuns);
  EXPECT_EQ(logRead.Runs().front().seconds, 2);
  EXPECT_EQ(FormatStopwatchLog(logRead), logText);
  EXPECT_FALSE(ParseStopwatchLog(logText.substr(0, logText.size() - 1), logRead));
  EXPECT_FALSE(ParseStopwatchLog(state, logRead));
}

#ifndef _WIN32
// Three runs, read back by tests/base/stopwatch_csv.py, which also checks
// the byte-order mark and that every line ends in CR LF.
TEST(StopwatchText, CsvReadsBackInPython) {
  const char* command = std::getenv("TV_STOPWATCH_CSV");
  if (command == nullptr) GTEST_SKIP() << "TV_STOPWATCH_CSV is not set";
  const std::string zone = std::getenv("TZ") != nullptr ? std::getenv("TZ") : "";
  setenv("TZ", "UTC", 1);
  tzset();
  StopwatchLog log;
  for (const StopwatchRun& run : {StopwatchRun{7, kMorning, kMorning + 7}, StopwatchRun{3723, kMorning + 60, kMorning + 3783},
                                  StopwatchRun{90061, kMorning + 86400, kMorning + 176461}})
    log.Add(run);
  const std::string path = "/tmp/tv-stopwatch-" + std::to_string(getpid()) + ".csv";
  std::ofstream(path, std::ios::binary) << FormatStopwatchCsv(log);
  zone.empty() ? unsetenv("TZ") : setenv("TZ", zone.c_str(), 1);
  tzset();

  FILE* pipe = popen((std::string(command) + " " + path).c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = pclose(pipe);
  std::remove(path.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
  EXPECT_EQ(output,
            "run|elapsed_seconds|elapsed|started|stopped\n"
            "1|7|0d 00:00:07|2003-01-15T10:00:00|2003-01-15T10:00:07\n"
            "2|3723|0d 01:02:03|2003-01-15T10:01:00|2003-01-15T11:03:03\n"
            "3|90061|1d 01:01:01|2003-01-16T10:00:00|2003-01-17T11:01:01\n");
}
#endif

}  // namespace
