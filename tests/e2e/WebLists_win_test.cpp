// Web lists in the running program, driven as a user would: the prompt, the
// window answering through a download, Cancel, time-outs, start-up refreshes
// (webcal) and their conditional second start, unsaved edits, and https.
#include <wincrypt.h>

#include <cstring>

#include "lists/ListTestSupport_win.h"
#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/ListFileText_win.h"
#include "support/WindowProbe_win.h"

namespace {

using app::AppProcess;
using listfile::TodayLine;  // a one-day list for today, so that the page's rows (this month's) show it
using listtest::ReadBytes;

// The throwaway CA of the fixture's https server, trusted in this prefix.
void TrustTestAuthority(const listtest::Servers& servers) {
  const std::string pem = ReadBytes(servers.dir + "\\tls\\ca.crt");
  BYTE der[4096];
  DWORD size = sizeof der;
  HCERTSTORE root = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, "ROOT");
  EXPECT_TRUE(CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, der, &size, nullptr, nullptr) &&
              CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, der, size, CERT_STORE_ADD_REPLACE_EXISTING,
                                               nullptr));
  CertCloseStore(root, 0);
}

// SecondStart: a start-up refresh, then a start whose refresh is conditional.
enum class Action { Refresh, Load, LoadAndCancel, EditThenRefresh, SecondStart };

struct Row {
  const char* name;
  const char* address;   // {http}, {https}, {self} stand for the servers, {port} for the web server's
  Action action;
  int promptAnswer;      // to the question about the web, which comes where it is off; 0: it is on
  const char* box;       // the start of the message that follows; nullptr: none
  const char* firstRow;  // the list's first name afterwards
  const char* status;    // the start of the status line afterwards
};

const char kUnreadable[] = "Unable to read the holidays file";
const Row kRows[] = {
    {"PromptYes", "{http}/etag/web.tvh", Action::Load, IDYES, nullptr, "From the web", "Updated "},
    {"PromptNo", "{http}/etag/web.tvh", Action::Load, IDNO, kUnreadable, "From the cache", ""},
    {"SilentServer", "{http}/silent", Action::Load, 0, kUnreadable, "From the cache",
     "Not updated: no answer within 2 seconds"},
    // A byte every half second outlasts ten times a time-out of a second.
    {"Trickle", "{http}/trickle", Action::Load, 0, kUnreadable, "From the cache",
     "Not updated: no answer within 1 second"},
    {"Cancel", "{http}/silent", Action::LoadAndCancel, 0, nullptr, "From the cache", ""},
    {"StartupRefreshThenNotModified", "webcal://127.0.0.1:{port}/etag/web.tvh", Action::SecondStart, 0, nullptr,
     "From the web", "Checked "},
    // The edit comes before the refresh starts or before its list arrives.
    {"UnsavedEdits", "{http}/slow/web.tvh", Action::EditThenRefresh, 0, nullptr, "Typed here",
     "Not updated: the list has unsaved changes"},
    {"TrustedHttps", "{https}/web.tvh", Action::Load, 0, nullptr, "From the web", "Updated "},
    {"SelfSignedHttps", "{self}/web.tvh", Action::Refresh, 0, nullptr, "From the cache",
     "Not updated: the certificate is not trusted"},
    {"RedirectToHttp", "{https}/to?{http}/web.tvh", Action::Refresh, 0, nullptr, "From the cache",
     "Not updated: the server redirected to an insecure address"},
    {"Huge", "{http}/huge", Action::Refresh, 0, nullptr, "From the cache",
     "Not updated: the list is larger than 64 MB"},
};

std::string Expand(std::string text, const listtest::Servers& servers) {
  const std::pair<const char*, std::string> names[] = {
      {"{http}", "http://127.0.0.1:" + std::to_string(servers.http)},
      {"{https}", "https://localhost:" + std::to_string(servers.https)},
      {"{self}", "https://localhost:" + std::to_string(servers.selfSigned)},
      {"{port}", std::to_string(servers.http)}};
  for (const auto& [name, value] : names)
    for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, std::strlen(name), value);
  return text;
}

std::string Text(HWND page, int id) { return probe::ControlText(GetDlgItem(page, id)); }

// The status line, then the list's first name.
std::string Shown(HWND page) {
  return Text(page, IDC_LIST_STATUS) + "|" + probe::ListViewText(GetDlgItem(page, IDC_HOL_LIST), 0, 0);
}

// Waits for a status line that starts with `status` over a list that starts with `firstRow`.
bool Shows(HWND page, const char* status, const char* firstRow) {
  return probe::WaitUntil([&] {
    const std::string now = Shown(page);  // names hold no "|"
    return now.rfind(status, 0) == 0 && now.substr(now.rfind('|') + 1) == firstRow;
  }, 60000);
}

// Sent with a time-out: a handler that opens a message box does not return.
bool Send(HWND window, UINT msg, const char* text = nullptr, UINT timeoutMs = 5000) {
  DWORD_PTR ignored;
  return SendMessageTimeoutA(window, msg, 0, LPARAM(text), SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

class WebLists : public ::testing::TestWithParam<Row> {};

TEST_P(WebLists, AsTheUserSeesThem) {
  const Row& row = GetParam();
  listtest::Servers servers;
  ASSERT_TRUE(servers.Load());
  TrustTestAuthority(servers);
  const std::string cache = LaneFolder() + "\\web-cache.tvh";
  const std::string address = Expand(row.address, servers);
  const size_t logStart = ReadBytes(servers.httpLog).size();
  std::ofstream(servers.www + "\\web.tvh", std::ios::binary) << TodayLine("From the web");
  std::ofstream(cache, std::ios::binary) << TodayLine("From the cache");
  app::ClearSettings();
  app::WriteText(setting::kHolidayCacheFile, cache);
  const bool loads = row.action == Action::Load || row.action == Action::LoadAndCancel;
  app::WriteText(setting::kHolidayFile, loads ? std::string("C:\\none.tvh") : address);
  app::WriteNumber(setting::kInternetAllowed, row.promptAnswer == 0);
  // Short only where the row waits one out: on a loaded machine a TLS
  // handshake can outlast two seconds, which WinINet reports as a channel error.
  const bool waits = std::strstr(row.address, "silent") != nullptr;
  app::WriteNumber(setting::kWebTimeout, std::strstr(row.address, "trickle") ? 1 : waits ? 2 : 10);

  if (row.action == Action::SecondStart) {
    // The first start refreshes, shows the answer and keeps its validators.
    AppProcess first(app::Build::Shipped);
    HWND page = first.StartOnPage(app::kHolidaysPage);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Shows(page, "Updated ", "From the web")) << Shown(page);
    EXPECT_TRUE(first.ExitFromTray(GetParent(page)));
  }
  AppProcess process(app::Build::Shipped);
  HWND page = process.StartOnPage(app::kHolidaysPage);
  ASSERT_NE(page, nullptr);
  HWND window = GetParent(page);
  if (row.action == Action::EditThenRefresh) {
    Send(GetDlgItem(page, IDC_LIST_NAME), WM_SETTEXT, "Typed here");
    Send(GetDlgItem(page, IDC_LIST_ADD), BM_CLICK);
  }
  if (loads) {
    Send(GetDlgItem(page, IDC_LIST_LOCATION), WM_SETTEXT, address.c_str());
    Send(GetDlgItem(page, IDC_HOL_LOAD), BM_CLICK, nullptr, 300);
  }
  HWND box = nullptr;
  const auto boxShows = [&] { return (box = probe::FindMessageBox(process.Pid())) != nullptr; };
  if (row.promptAnswer != 0) {
    ASSERT_TRUE(probe::WaitUntil(boxShows, 20000));
    EXPECT_EQ("Loading lists from web addresses is turned off.\n\nTurn it on and load this address?",
              probe::MessageBoxText(box));
    probe::AnswerMessageBox(box, row.promptAnswer);
    ASSERT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(box); }, 20000));  // not taken for the next one
  }
  if (row.action == Action::LoadAndCancel) {
    ASSERT_TRUE(probe::WaitUntil([&] { return Text(page, IDC_LIST_STATUS) == "Loading... 0 KB"; }, 20000));
    EXPECT_EQ("&Cancel", Text(page, IDC_HOL_LOAD));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_LIST_LOCATION)));
    Send(GetDlgItem(page, IDC_HOL_LOAD), BM_CLICK);
    EXPECT_EQ("&Load File", Text(page, IDC_HOL_LOAD));
  }
  if (row.box != nullptr) {
    // The window answers all the while the fetch waits out its time-out.
    bool answered = true;
    ASSERT_TRUE(probe::WaitUntil([&] { return !(answered = answered && Send(window, WM_NULL)) || boxShows(); }, 60000));
    ASSERT_TRUE(answered);
    EXPECT_EQ(0u, probe::MessageBoxText(box).find(row.box)) << probe::MessageBoxText(box);
    probe::AnswerMessageBox(box, IDOK);
  }
  EXPECT_TRUE(Shows(page, row.status, row.firstRow)) << Shown(page);
  DWORD allowed = 0;
  EXPECT_TRUE(app::ReadNumber(setting::kInternetAllowed, allowed) && allowed == (row.promptAnswer == IDNO ? 0u : 1u));
  if (row.action == Action::SecondStart) {
    EXPECT_NE(std::string::npos, ReadBytes(servers.httpLog).substr(logStart).find("If-None-Match: \""));
  }
  if (row.action == Action::LoadAndCancel) {
    std::string stored;
    EXPECT_TRUE(app::ReadText(setting::kHolidayFile, stored) && stored == "C:\\none.tvh") << stored;
    EXPECT_EQ(TodayLine("From the cache"), ReadBytes(cache));
  }
  // Unsaved edits would hold the exit with a question: that run just ends.
  if (row.action != Action::EditThenRefresh) {
    EXPECT_TRUE(process.ExitFromTray(window));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WebLists, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
