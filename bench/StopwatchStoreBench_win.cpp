// Timing harness under Wine (not a test): what keeping the stopwatch costs,
// the state at a Start or Stop and the log and state at a Reset, with a
// full log of 10,000 runs, and taking both up at start-up. The files go to
// the folder given (default: the current folder), as they would beside the
// holiday cache file there.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchHost_win.h"
#include "base/LocalTime.h"
#include "framework/LocaleText.h"
#include "pages/StopwatchStore.h"

namespace {
template <typename Step>
void Time(const char* what, int runs, Step step) {
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    const double start = BenchHost::NowMs();
    const bool ok = step();
    ms.push_back(BenchHost::NowMs() - start);
    if (!ok) std::printf("  %s: FAILED\n", what);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("  %-32s median %.2f ms, max %.2f ms (%d runs)\n", what, ms[ms.size() / 2], ms.back(), runs);
}
}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  StopwatchStore store;
  store.SetFolderOf(folder + "\\TVcache.tvh");
  Stopwatch watch;
  watch.Start();
  StopwatchLog log;
  for (int64_t i = 0; log.Size() < StopwatchLog::kMaxRuns; ++i)
    log.Add(StopwatchRun{3600 + i, 1796000000 + i * 4000, 1796003600 + i * 4000});

  std::printf("Stopwatch store, %u runs in the log:\n", unsigned(log.Size()));
  Time("Start or Stop (state)", 50, [&] { return store.SaveState(watch); });
  Time("Reset (log and state)", 20, [&] { return store.SaveLog(log) && store.SaveState(watch); });
  Time("start-up (take both up)", 20, [&] {
    Stopwatch read;
    StopwatchLog readLog;
    store.Load(read, readLog);
    return read.IsRunning() && readLog.Size() == log.Size();
  });
  // What the page adds at its first showing: two date-time texts a run.
  Time("start-up (the log's text)", 5, [&] {
    size_t size = 0;
    for (const StopwatchRun& run : log.Runs())
      size += DateText(LocalTimeAt(run.start), DateTextForm::DateAndTime).size() +
              DateText(LocalTimeAt(run.stop), DateTextForm::DateAndTime).size();
    return size > 0;
  });
  DeleteFileA((folder + "\\TVstopwatch.txt").c_str());
  DeleteFileA((folder + "\\TVstopwatch log.txt").c_str());
  return 0;
}
