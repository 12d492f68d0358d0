#include "pages/StopwatchStore.h"

#include "base/CodePageText.h"
#include "base/StopwatchText.h"
#include "lists/ListFileWriter.h"
#include "lists/ListSource.h"

void StopwatchStore::SetFolderOf(const std::string& cachePath) {
  m_statePath.clear();
  m_logPath.clear();
  if (cachePath.empty()) return;
  const size_t slash = CodePageText().FindLastOf(cachePath, "\\/");
  const std::string folder = slash == std::string::npos ? "" : cachePath.substr(0, slash + 1);
  m_statePath = folder + "TVstopwatch.txt";
  m_logPath = folder + "TVstopwatch log.txt";
}

void StopwatchStore::Load(Stopwatch& watch, StopwatchLog& log) const {
  std::string text;
  StopwatchState state;
  if (!m_statePath.empty() && ReadLocalFileBytes(m_statePath, text) && ParseStopwatchState(text, state))
    watch.Restore(state);
  text.clear();
  if (!m_logPath.empty() && ReadLocalFileBytes(m_logPath, text)) ParseStopwatchLog(text, log);
}

bool StopwatchStore::SaveState(const Stopwatch& watch) const {
  return !m_statePath.empty() &&
         WriteWholeFile(m_statePath, FormatStopwatchState(watch.State())) == FileWriteResult::Written;
}

bool StopwatchStore::SaveLog(const StopwatchLog& log) const {
  return !m_logPath.empty() && WriteWholeFile(m_logPath, FormatStopwatchLog(log)) == FileWriteResult::Written;
}
