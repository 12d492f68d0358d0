#pragma once
#include <windows.h>
#include <wininet.h>

#include <string>

// One WinINet session, open for as long as the object lives. It reads web
// and FTP addresses whole; what counts as readable is decided here: for HTTP
// only an answer with status 200.
class CInternetSession {
 public:
  // The pre-configured access type: the system's proxy settings apply.
  explicit CInternetSession(const char* agent);
  ~CInternetSession();
  CInternetSession(const CInternetSession&) = delete;
  CInternetSession& operator=(const CInternetSession&) = delete;

  // Appends the content of `url` to `text` in blocks of at most
  // `blockSize` bytes, transferred as ASCII. False when the address could
  // not be opened, answered another status than 200, or a read failed.
  bool ReadURL(const std::string& url, bool isHttp, std::string& text, DWORD blockSize);

 private:
  HINTERNET m_hSession = nullptr;
};
