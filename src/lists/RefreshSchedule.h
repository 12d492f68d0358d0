#pragma once
#include <cstdint>

// When one web list is next refreshed in the background. Times are seconds
// since 1970 (ClockSeconds). The period is the "WebRefreshHours" setting,
// or the feed's own period when it names one (never under an hour); 0 hours
// turns refreshes off whatever the feed says. A failed refresh is tried
// again after 15 minutes, the wait doubling each time up to the period.
class RefreshSchedule {
 public:
  static constexpr int64_t kFirstRetry = 15 * 60;
  static constexpr int64_t kResumeDelay = 60;  // for the network to come back
  static constexpr int64_t kShortestFeedPeriod = 60 * 60;

  // `feedSeconds` 0: the feed names no period.
  void Configure(long refreshHours, int64_t feedSeconds);
  int64_t Period() const;  // 0: off
  // The first refresh, `delay` seconds from `now`.
  void Start(int64_t now, int64_t delay);
  void Succeeded(int64_t now);
  void Failed(int64_t now);
  // Not tried this time (unsaved edits, the web turned off): the next period.
  void Skipped(int64_t now);
  // Back from sleep: a refresh that fell due meanwhile waits a little.
  void Resumed(int64_t now);
  bool IsDue(int64_t now) const;
  int64_t Due() const { return m_due; }

 private:
  long m_hours = 0;
  int64_t m_feedSeconds = 0;
  int64_t m_due = -1;  // -1: not started
  int64_t m_retry = 0;
};

// The "WebTimeout" setting in seconds: 1 to 600, anything else reads as 30.
long WebTimeoutSeconds(long setting);
