#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lists/CInternetSession_win.h"
#include "lists/DateRecord.h"
#include "lists/ListOwner.h"
#include "lists/RefreshSchedule.h"
#include "lists/WebFetch_win.h"

class CMainDlg;

// The main window's web lists: loads the user starts and refreshes in the
// background, each on a worker thread (WebFetch_win.h) while the window
// keeps answering. The window never waits on a worker: a watchdog timer
// gives up a fetch that goes quiet for "WebTimeout" seconds or runs ten
// times that, and a generation number tells a live fetch's answer from an
// abandoned one's. Keeps each kind's status line, since a page's window
// exists only once it was shown.
class WebListKeeper {
 public:
  static constexpr UINT kFetchedMessage = WM_APP + 0x57;  // lParam: WebFetchResult*
  static constexpr UINT_PTR kWatchdogTimer = 0x7E57;
  static constexpr UINT_PTR kRefreshTimer = 0x7E58;

  explicit WebListKeeper(CMainDlg& owner) : m_owner(owner) {}
  WebListKeeper(const WebListKeeper&) = delete;
  WebListKeeper& operator=(const WebListKeeper&) = delete;

  // Once the window state was applied: the first refreshes shortly after.
  void Start();
  void Load(DateListKind kind, const std::string& location);
  void Cancel(DateListKind kind);
  WebListState State(DateListKind kind) const;
  // A worker's result; the keeper takes it.
  void OnFetched(WebFetchResult* result);
  // True when the timer was one of the keeper's.
  bool OnTimer(UINT_PTR id);
  void OnResume();
  // At exit: every fetch cancelled, their threads given two seconds at most.
  void Shutdown();

 private:
  struct KindState {
    RefreshSchedule schedule;
    unsigned generation = 0;  // of the running fetch; 0: none runs
    bool userStarted = false;
    std::string location;
    std::shared_ptr<WebFetchProgress> progress;
    uint64_t startedMs = 0;
    uint64_t lastByteMs = 0;
    uint64_t lastBytes = 0;
    long long feedSeconds = 0;
    std::string status;
  };

  KindState& Of(DateListKind kind) { return m_kinds[static_cast<int>(kind)]; }
  const KindState& Of(DateListKind kind) const { return m_kinds[static_cast<int>(kind)]; }
  long TimeoutSeconds() const;
  // The kind's period from the settings (none for a local list); whether
  // its list is a web or FTP one.
  bool ConfigureSchedule(DateListKind kind);
  void Begin(DateListKind kind, const std::string& location, bool userStarted);
  void Abandon(KindState& state);
  // Caches, remembers and shows the list read; false when the cache could
  // not hold it.
  bool TakeList(DateListKind kind, WebFetchResult& result);
  void Failed(DateListKind kind, const std::string& location, bool userStarted, unsigned long error);
  void RefreshDue();
  void ArmRefreshTimer();
  void Watch();
  // "Not updated: <reason>; showing the copy of <date> <time>".
  std::string NotUpdatedText(DateListKind kind, unsigned long error) const;
  void Notify(DateListKind kind);

  CMainDlg& m_owner;
  KindState m_kinds[3];
  unsigned m_nextGeneration = 1;
  std::vector<HANDLE> m_threads;  // workers not yet seen to end
  bool m_started = false;
};
