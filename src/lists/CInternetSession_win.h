#pragma once
#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <string>

// What a fetch shares with whoever waits for it: the bytes read so far, and
// a request to stop.
struct WebFetchProgress {
  std::atomic<uint64_t> bytes{0};
  std::atomic<bool> cancelled{false};
};

// The answer to one fetch of a web or FTP address.
struct WebAnswer {
  enum Outcome { Read, NotModified, Failed };
  Outcome outcome = Failed;
  std::string text;          // what was read (Read only)
  std::string etag;          // the validators the server gave with it
  std::string lastModified;
  unsigned long error = 0;   // why it failed: WinINet's number or a kWebError* (WebFailureText)
};

// One WinINet session, open for as long as the object lives, that reads web
// and FTP addresses whole. For HTTP only status 200 counts as read (304 when
// asked conditionally); redirects are followed here, at most five and never
// from https to http; certificate errors are never ignored; an answer over
// kMaxBytes, or shorter than its Content-Length, is unreadable.
class CInternetSession {
 public:
  static constexpr uint64_t kMaxBytes = 64ull * 1024 * 1024;

  // The pre-configured access type: the system's proxy settings apply.
  // `timeoutMs` goes on every handle that takes it.
  CInternetSession(const char* agent, DWORD timeoutMs);
  ~CInternetSession();
  CInternetSession(const CInternetSession&) = delete;
  CInternetSession& operator=(const CInternetSession&) = delete;

  // Fetches `address` (webcal:// and webcals:// read as http:// and
  // https://). With an ETag or Last-Modified, asks conditionally. `progress`
  // may be nullptr.
  WebAnswer Fetch(const std::string& address, const std::string& etag, const std::string& lastModified,
                  WebFetchProgress* progress);

 private:
  WebAnswer FetchHttp(std::string url, const std::string& headers, WebFetchProgress* progress);
  WebAnswer FetchFtp(const std::string& url, WebFetchProgress* progress);
  void SetTimeouts(HINTERNET handle) const;

  HINTERNET m_hSession = nullptr;
  DWORD m_timeoutMs;
};
