#include "lists/CInternetSession_win.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "lists/ListLocation.h"
#include "lists/WebFailureText.h"

namespace {
const DWORD kWebReadBlock = 64 * 1024;
const int kMostRedirects = 5;

// Closes a WinINet handle on every way out.
struct InternetHandle {
  HINTERNET handle;
  ~InternetHandle() {
    if (handle) InternetCloseHandle(handle);
  }
};

WebAnswer Failure(unsigned long error) {
  WebAnswer answer;
  answer.error = error;
  return answer;
}

std::string QueryText(HINTERNET request, DWORD info) {
  char buffer[2048];
  DWORD size = sizeof(buffer);
  if (!HttpQueryInfoA(request, info, buffer, &size, nullptr)) return std::string();
  return std::string(buffer, size);
}

bool IsRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Reads the body to its end, into `answer.text`; false (with the error set)
// on a read error, a cancel, or too many bytes.
bool ReadBody(HINTERNET handle, WebAnswer& answer, WebFetchProgress* progress) {
  std::vector<char> block(kWebReadBlock);
  for (;;) {
    if (progress != nullptr && progress->cancelled) {
      answer.error = ERROR_INTERNET_OPERATION_CANCELLED;
      return false;
    }
    // A read waits until its block is full: asking what has come first
    // lets each read return as soon as bytes arrive, so progress shows.
    DWORD available = 0;
    if (!InternetQueryDataAvailable(handle, &available, 0, 0)) {
      answer.error = GetLastError();
      return false;
    }
    DWORD got = 0;
    if (!InternetReadFile(handle, block.data(), std::min<DWORD>(std::max<DWORD>(available, 1), kWebReadBlock), &got)) {
      answer.error = GetLastError();
      return false;
    }
    if (got == 0) return true;
    if (answer.text.size() + got > CInternetSession::kMaxBytes) {
      answer.error = kWebErrorTooLarge;
      std::string().swap(answer.text);  // its bytes are not kept
      return false;
    }
    answer.text.append(block.data(), got);
    if (progress != nullptr) progress->bytes = answer.text.size();
  }
}
}  // namespace

CInternetSession::CInternetSession(const char* agent, DWORD timeoutMs)
    : m_hSession(InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)), m_timeoutMs(timeoutMs) {
  if (m_hSession) SetTimeouts(m_hSession);  // honoured on Windows; Wine needs them on each request
}

CInternetSession::~CInternetSession() {
  if (m_hSession) InternetCloseHandle(m_hSession);
}

void CInternetSession::SetTimeouts(HINTERNET handle) const {
  DWORD ms = m_timeoutMs;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                       INTERNET_OPTION_DATA_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT})
    InternetSetOptionA(handle, option, &ms, sizeof(ms));
}

WebAnswer CInternetSession::Fetch(const std::string& address, const std::string& etag,
                                  const std::string& lastModified, WebFetchProgress* progress) {
  if (!m_hSession) return Failure(GetLastError());
  const std::string url = FetchAddressOf(address);
  if (ClassifyLocation(url) == LocationKind::Ftp) return FetchFtp(url, progress);
  std::string headers;
  if (!etag.empty()) headers += "If-None-Match: " + etag + "\r\n";
  if (!lastModified.empty()) headers += "If-Modified-Since: " + lastModified + "\r\n";
  return FetchHttp(url, headers, progress);
}

WebAnswer CInternetSession::FetchHttp(std::string url, const std::string& headers, WebFetchProgress* progress) {
  for (int hop = 0; hop <= kMostRedirects; ++hop) {
    char host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
    char path[INTERNET_MAX_URL_LENGTH] = {};
    char extra[INTERNET_MAX_URL_LENGTH] = {};
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof(host);
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof(path);
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof(extra);
    if (!InternetCrackUrlA(url.c_str(), 0, 0, &parts)) return Failure(GetLastError());
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;

    InternetHandle connection{InternetConnectA(m_hSession, host, parts.nPort, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0)};
    if (!connection.handle) return Failure(GetLastError());
    SetTimeouts(connection.handle);
    const std::string object = std::string(path) + extra;
    const DWORD flags = INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES |
                        INTERNET_FLAG_KEEP_CONNECTION | (secure ? INTERNET_FLAG_SECURE : 0);
    InternetHandle request{HttpOpenRequestA(connection.handle, "GET", object.empty() ? "/" : object.c_str(),
                                            nullptr, nullptr, nullptr, flags, 0)};
    if (!request.handle) return Failure(GetLastError());
    SetTimeouts(request.handle);
    if (!HttpSendRequestA(request.handle, headers.empty() ? nullptr : headers.c_str(),
                          static_cast<DWORD>(headers.size()), nullptr, 0))
      return Failure(GetLastError());
    if (progress != nullptr && progress->cancelled) return Failure(ERROR_INTERNET_OPERATION_CANCELLED);

    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoA(request.handle, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
      return Failure(GetLastError());
    if (IsRedirect(status)) {
      const std::string target = QueryText(request.handle, HTTP_QUERY_LOCATION);
      char combined[INTERNET_MAX_URL_LENGTH];
      DWORD length = sizeof(combined);
      if (target.empty() || !InternetCombineUrlA(url.c_str(), target.c_str(), combined, &length, ICU_NO_ENCODE))
        return Failure(ERROR_HTTP_REDIRECT_FAILED);
      url.assign(combined, length);
      const bool webTarget = StartsWithScheme(url, "http://") || StartsWithScheme(url, "https://");
      if (secure && !StartsWithScheme(url, "https://")) return Failure(kWebErrorInsecureRedirect);
      if (!webTarget) return Failure(ERROR_HTTP_REDIRECT_FAILED);
      continue;
    }
    WebAnswer answer;
    if (status == 304 && !headers.empty()) {
      answer.outcome = WebAnswer::NotModified;
      return answer;
    }
    if (status != 200) return Failure(kWebErrorStatus + status);

    const std::string lengthText = QueryText(request.handle, HTTP_QUERY_CONTENT_LENGTH);
    const unsigned long long announced = lengthText.empty() ? 0 : std::strtoull(lengthText.c_str(), nullptr, 10);
    if (announced > kMaxBytes) return Failure(kWebErrorTooLarge);
    if (!ReadBody(request.handle, answer, progress)) return Failure(answer.error);
    // A body cut short ends with success on some systems: count it ourselves.
    if (!lengthText.empty() && answer.text.size() != announced) return Failure(ERROR_INTERNET_CONNECTION_RESET);
    answer.etag = QueryText(request.handle, HTTP_QUERY_ETAG);
    answer.lastModified = QueryText(request.handle, HTTP_QUERY_LAST_MODIFIED);
    answer.outcome = WebAnswer::Read;
    return answer;
  }
  return Failure(ERROR_HTTP_REDIRECT_FAILED);
}

WebAnswer CInternetSession::FetchFtp(const std::string& url, WebFetchProgress* progress) {
  InternetHandle file{InternetOpenUrlA(m_hSession, url.c_str(), nullptr, 0,
                                       INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_RELOAD, 0)};
  if (!file.handle) return Failure(GetLastError());
  WebAnswer answer;
  if (!ReadBody(file.handle, answer, progress)) return Failure(answer.error);
  answer.outcome = WebAnswer::Read;
  return answer;
}
