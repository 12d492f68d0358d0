#include "lists/CInternetSession_win.h"

#include <vector>

namespace {
const DWORD_PTR kContext = 1;

// Closes a WinINet handle on every way out.
struct InternetHandle {
  HINTERNET handle;
  ~InternetHandle() {
    if (handle) InternetCloseHandle(handle);
  }
};

bool HasStatus200(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  return HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                        nullptr) &&
         status == 200;
}
}  // namespace

CInternetSession::CInternetSession(const char* agent)
    : m_hSession(InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)) {}

CInternetSession::~CInternetSession() {
  if (m_hSession) InternetCloseHandle(m_hSession);
}

bool CInternetSession::ReadURL(const std::string& url, bool isHttp, std::string& text,
                               DWORD blockSize) {
  if (!m_hSession) return false;
  // Without extra headers this is a plain GET for a web address.
  InternetHandle file{InternetOpenUrlA(m_hSession, url.c_str(), nullptr, 0,
                                       INTERNET_FLAG_TRANSFER_ASCII, kContext)};
  if (!file.handle) return false;
  if (isHttp && !HasStatus200(file.handle)) return false;
  std::vector<char> block(blockSize);
  for (;;) {
    DWORD got = 0;
    if (!InternetReadFile(file.handle, block.data(), blockSize, &got)) return false;
    if (got == 0) return true;
    text.append(block.data(), got);
  }
}
