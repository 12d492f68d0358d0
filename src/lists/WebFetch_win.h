#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "lists/CInternetSession_win.h"
#include "lists/DateRecord.h"

// What a fetch asks for.
struct WebFetchRequest {
  unsigned generation = 0;  // tells this fetch's answer from an abandoned one's
  DateListKind kind = DateListKind::Holidays;
  std::string location;
  std::string etag;          // both empty: an unconditional request
  std::string lastModified;
  DWORD timeoutMs = 30000;
};

// What a fetch found, parsed into records on the worker.
struct WebFetchResult {
  WebFetchRequest request;
  WebAnswer answer;
  DateRecordList records;      // when read
  long long feedSeconds = 0;   // the feed's own refresh period; 0: none
};

// Fetches the request's location on a thread of its own, with a WinINet
// session of its own, and posts the result to `window` as `message`, its
// lParam a WebFetchResult* that the window then owns. A cancelled fetch
// posts nothing. Answers the thread's handle for the caller to close, or
// nullptr when no thread could be made.
HANDLE StartWebFetch(HWND window, UINT message, WebFetchRequest request,
                     std::shared_ptr<WebFetchProgress> progress);
