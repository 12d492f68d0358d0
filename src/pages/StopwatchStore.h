#pragma once
#include <string>

#include "base/Stopwatch.h"
#include "base/StopwatchLog.h"

// The stopwatch's state and log between runs of the program: two files of
// its own in the folder of the stored holiday cache file, so that a
// settings key of its own gives a test files of its own. Each is replaced
// whole, as a list save is, so that an end at any moment leaves the old
// file or the new one.
class StopwatchStore {
 public:
  // The files beside `cachePath`; with no path, nothing is kept.
  void SetFolderOf(const std::string& cachePath);

  // What was kept; a file that is missing, cut short or not ours leaves the
  // watch cleared or the log empty.
  void Load(Stopwatch& watch, StopwatchLog& log) const;
  // False when the file could not be replaced; the page goes on regardless.
  bool SaveState(const Stopwatch& watch) const;
  bool SaveLog(const StopwatchLog& log) const;

 private:
  std::string m_statePath;
  std::string m_logPath;
};
