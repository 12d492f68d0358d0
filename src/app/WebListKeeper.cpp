#include "app/WebListKeeper.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "app/CMainDlg.h"
#include "base/Clock.h"
#include "base/LocalTime.h"
#include "base/ProgramNames.h"
#include "framework/LocaleText.h"
#include "lists/DateListIO.h"
#include "lists/ListEditor.h"
#include "lists/ListFileWriter.h"
#include "lists/ListKindInfo.h"
#include "lists/ListLocation.h"
#include "lists/WebFailureText.h"

namespace {
const int64_t kStartDelay = 1;     // seconds after the window state was applied
const UINT kWatchdogPeriod = 250;  // ms; also how often the page's byte count moves
const DWORD kExitWaitMs = 2000;

std::string MomentText(int64_t seconds) { return DateText(LocalTimeAt(seconds), DateTextForm::DateAndTime); }
}  // namespace

long WebListKeeper::TimeoutSeconds() const {
  return WebTimeoutSeconds(m_owner.GetNumberSetting(setting::kWebTimeout));
}

void WebListKeeper::Start() {
  if (m_started) return;
  m_started = true;
  const int64_t now = ClockSeconds();
  for (DateListKind kind : kListKinds) {
    ConfigureSchedule(kind);
    Of(kind).schedule.Start(now, kStartDelay);
  }
  ArmRefreshTimer();
}

bool WebListKeeper::ConfigureSchedule(DateListKind kind) {
  KindState& state = Of(kind);
  const bool remote = IsRemoteLocation(m_owner.GetTextSetting(GetListKindInfo(kind).locationSetting));
  state.schedule.Configure(remote ? m_owner.GetNumberSetting(setting::kWebRefreshHours) : 0, state.feedSeconds);
  if (!remote) state.status.clear();  // a local list has no status
  return remote;
}

void WebListKeeper::Load(DateListKind kind, const std::string& location) {
  KindState& state = Of(kind);
  Abandon(state);  // a refresh of the same list gives way, and waits a period
  state.schedule.Skipped(ClockSeconds());
  Begin(kind, location, true);
}

void WebListKeeper::Cancel(DateListKind kind) {
  Abandon(Of(kind));
  ArmRefreshTimer();
  Notify(kind);
}

WebListState WebListKeeper::State(DateListKind kind) const {
  const KindState& state = Of(kind);
  WebListState result;
  result.loading = state.generation != 0 && state.userStarted;
  result.bytes = result.loading ? state.progress->bytes.load() : 0;
  result.status = state.status;
  return result;
}

void WebListKeeper::Begin(DateListKind kind, const std::string& location, bool userStarted) {
  KindState& state = Of(kind);
  const ListKindInfo& info = GetListKindInfo(kind);
  WebFetchRequest request;
  request.generation = m_nextGeneration++;
  request.kind = kind;
  request.location = location;
  request.timeoutMs = static_cast<DWORD>(TimeoutSeconds()) * 1000;
  WIN32_FILE_ATTRIBUTE_DATA cache{};
  // Load File always asks whole: it is the user's way to take the server's list.
  if (!userStarted && m_owner.GetTextSetting(info.webAddressSetting) == location &&
      GetFileAttributesExA(m_owner.GetTextSetting(info.cacheSetting).c_str(), GetFileExInfoStandard, &cache) &&
      (cache.nFileSizeLow != 0 || cache.nFileSizeHigh != 0)) {
    request.etag = m_owner.GetTextSetting(info.webETagSetting);
    request.lastModified = m_owner.GetTextSetting(info.webLastModifiedSetting);
  }
  state.progress = std::make_shared<WebFetchProgress>();
  const HANDLE thread = StartWebFetch(m_owner.m_hWnd, kFetchedMessage, request, state.progress);
  if (thread == nullptr) {
    Failed(kind, location, userStarted, GetLastError());
    return;
  }
  m_threads.push_back(thread);
  state.generation = request.generation;
  state.userStarted = userStarted;
  state.location = location;
  state.startedMs = state.lastByteMs = GetTickCount64();
  state.lastBytes = 0;
  SetTimer(m_owner.m_hWnd, kWatchdogTimer, kWatchdogPeriod, nullptr);
  Notify(kind);
}

// The worker goes on until the platform lets it end; what it reads is dropped.
void WebListKeeper::Abandon(KindState& state) {
  if (state.generation == 0) return;
  state.progress->cancelled = true;
  state.generation = 0;
  state.userStarted = false;
}

void WebListKeeper::OnFetched(WebFetchResult* raw) {
  const std::unique_ptr<WebFetchResult> result(raw);
  const DateListKind kind = result->request.kind;
  KindState& state = Of(kind);
  if (result->request.generation != state.generation) return;  // cancelled or given up meanwhile
  const bool userStarted = state.userStarted;
  state.generation = 0;
  state.userStarted = false;
  const int64_t now = ClockSeconds();
  switch (result->answer.outcome) {
    case WebAnswer::NotModified:
      state.status = "Checked " + MomentText(now) + ", no change";
      state.schedule.Succeeded(now);
      break;
    case WebAnswer::Read: {
      // A refresh never overwrites edits; a load the user started is meant to.
      const ListEditor* editor = m_owner.ListEditorOf(kind);
      if (!userStarted && editor != nullptr && editor->ListChanged()) {
        state.status = NotUpdatedText(kind, kWebErrorUnsavedChanges);
        state.schedule.Skipped(now);
        break;
      }
      if (!TakeList(kind, *result)) {
        Failed(kind, result->request.location, userStarted, ERROR_WRITE_FAULT);
        return;
      }
      break;
    }
    case WebAnswer::Failed:
    default:
      Failed(kind, result->request.location, userStarted, result->answer.error);
      return;
  }
  ArmRefreshTimer();
  Notify(kind);
}

// As a load from a file: the cache holds what was read, or it is not used.
bool WebListKeeper::TakeList(DateListKind kind, WebFetchResult& result) {
  KindState& state = Of(kind);
  const ListKindInfo& info = GetListKindInfo(kind);
  const std::string& location = result.request.location;
  const std::string cachePath = m_owner.GetTextSetting(info.cacheSetting);
  if (cachePath.empty() || WriteWholeFile(cachePath, result.answer.text) != FileWriteResult::Written) return false;
  const int64_t now = ClockSeconds();
  m_owner.SetTextSetting(info.locationSetting, location);
  m_owner.SetTextSetting(info.webAddressSetting, location);
  m_owner.SetTextSetting(info.webETagSetting, result.answer.etag);
  m_owner.SetTextSetting(info.webLastModifiedSetting, result.answer.lastModified);
  m_owner.SetTextSetting(info.webUpdatedSetting, std::to_string(now));
  ReplaceDateList(kind, m_owner, std::move(result.records));
  state.feedSeconds = result.feedSeconds;
  ConfigureSchedule(kind);
  state.schedule.Succeeded(now);
  state.status = "Updated " + MomentText(now);
  if (ListEditor* editor = m_owner.ListEditorOf(kind)) editor->OnListDownloaded(location, true);
  return true;
}

// A load the user started falls back on the cache, with the message a load
// from a file gives; a refresh tries again later, quietly.
void WebListKeeper::Failed(DateListKind kind, const std::string& location, bool userStarted, unsigned long error) {
  KindState& state = Of(kind);
  state.generation = 0;
  state.userStarted = false;
  state.status = NotUpdatedText(kind, error);
  state.schedule.Failed(ClockSeconds());
  if (userStarted) {
    const bool replaced = LoadDateList(kind, m_owner, location, false, true, false);
    if (ListEditor* editor = m_owner.ListEditorOf(kind)) editor->OnListDownloaded(location, replaced);
  }
  ArmRefreshTimer();
  Notify(kind);
}

std::string WebListKeeper::NotUpdatedText(DateListKind kind, unsigned long error) const {
  std::string text = "Not updated: " + WebFailureText(error, TimeoutSeconds());
  const std::string updated = m_owner.GetTextSetting(GetListKindInfo(kind).webUpdatedSetting);
  if (!updated.empty()) text += "; showing the copy of " + MomentText(std::strtoll(updated.c_str(), nullptr, 10));
  return text;
}

bool WebListKeeper::OnTimer(UINT_PTR id) {
  if (id == kWatchdogTimer) {
    Watch();
  } else if (id == kRefreshTimer) {
    RefreshDue();
  } else {
    return false;
  }
  return true;
}

void WebListKeeper::OnResume() {
  const int64_t now = ClockSeconds();
  for (KindState& state : m_kinds) state.schedule.Resumed(now);
  ArmRefreshTimer();
}

void WebListKeeper::RefreshDue() {
  const int64_t now = ClockSeconds();
  for (DateListKind kind : kListKinds) {
    KindState& state = Of(kind);
    if (!ConfigureSchedule(kind) || state.generation != 0 || !state.schedule.IsDue(now)) continue;
    const std::string location = m_owner.GetTextSetting(GetListKindInfo(kind).locationSetting);
    const ListEditor* editor = m_owner.ListEditorOf(kind);
    unsigned long reason = 0;
    if (m_owner.GetNumberSetting(setting::kInternetAllowed) != 1) {
      reason = kWebErrorTurnedOff;
    } else if (editor != nullptr && editor->ListChanged()) {
      reason = kWebErrorUnsavedChanges;
    }
    if (reason != 0) {
      state.status = NotUpdatedText(kind, reason);
      state.schedule.Skipped(now);
      Notify(kind);
    } else {
      Begin(kind, location, false);
    }
  }
  ArmRefreshTimer();
}

// One timer for the soonest refresh; none while refreshes are off. A list
// being fetched waits for its answer, which arms the timer again.
void WebListKeeper::ArmRefreshTimer() {
  if (!m_started || m_owner.m_hWnd == nullptr) return;
  const int64_t now = ClockSeconds();
  int64_t soonest = -1;
  for (const KindState& state : m_kinds) {
    if (state.schedule.Period() <= 0 || state.schedule.Due() < 0 || state.generation != 0) continue;
    const int64_t wait = state.schedule.Due() - now;
    if (soonest < 0 || wait < soonest) soonest = wait;
  }
  if (soonest < 0) {
    KillTimer(m_owner.m_hWnd, kRefreshTimer);
    return;
  }
  const int64_t ms = soonest <= 0 ? 100 : std::min<int64_t>(soonest, 3600) * 1000;
  SetTimer(m_owner.m_hWnd, kRefreshTimer, static_cast<UINT>(ms), nullptr);
}

void WebListKeeper::Watch() {
  const uint64_t nowMs = GetTickCount64();
  const uint64_t limitMs = static_cast<uint64_t>(TimeoutSeconds()) * 1000;
  bool running = false;
  for (DateListKind kind : kListKinds) {
    KindState& state = Of(kind);
    if (state.generation == 0) continue;
    const uint64_t bytes = state.progress->bytes;
    if (bytes != state.lastBytes) {
      state.lastBytes = bytes;
      state.lastByteMs = nowMs;
      Notify(kind);
    }
    if (nowMs - state.lastByteMs > limitMs || nowMs - state.startedMs > 10 * limitMs) {
      const bool userStarted = state.userStarted;
      Abandon(state);
      Failed(kind, state.location, userStarted, ERROR_INTERNET_TIMEOUT);
    } else {
      running = true;
    }
  }
  // Workers that have ended are let go.
  for (auto it = m_threads.begin(); it != m_threads.end();) {
    if (WaitForSingleObject(*it, 0) == WAIT_OBJECT_0) {
      CloseHandle(*it);
      it = m_threads.erase(it);
    } else {
      ++it;
    }
  }
  if (!running) KillTimer(m_owner.m_hWnd, kWatchdogTimer);
}

void WebListKeeper::Shutdown() {
  for (KindState& state : m_kinds) Abandon(state);
  if (!m_threads.empty()) {
    const DWORD count = static_cast<DWORD>(std::min<size_t>(m_threads.size(), MAXIMUM_WAIT_OBJECTS));
    WaitForMultipleObjects(count, m_threads.data(), TRUE, kExitWaitMs);
  }
  for (HANDLE thread : m_threads) CloseHandle(thread);
  m_threads.clear();
  for (DateListKind kind : kListKinds) Notify(kind);
}

void WebListKeeper::Notify(DateListKind kind) {
  if (ListEditor* editor = m_owner.ListEditorOf(kind)) editor->OnWebStateChanged();
}
