// Web lists in the running program, driven as a user would: the prompt, the
// window answering through a download, Cancel, time-outs, start-up
// refreshes and their conditional second start, unsaved edits, and https.
#include <wincrypt.h>

#include <cstring>

#include "lists/ListTestSupport_win.h"
#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/WindowProbe_win.h"

namespace {

using app::AppProcess;
using listtest::ReadBytes;

const int kHolidaysPage = 2;

// A one-day list for today, so that the page's rows (this month's) show it.
std::string ListText(const char* name) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  char line[128];
  snprintf(line, sizeof line, "%s|%04d/%02d/%02d\r\n", name, today.wYear, today.wMonth, today.wDay);
  return line;
}

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

enum class Action { Refresh, Load, LoadAndCancel, EditThenRefresh, SecondStart };

struct Row {
  const char* name;
  const char* address;   // {http}, {https}, {self} stand for the servers, {port} for the web server's
  Action action;
  DWORD allowed;         // InternetAllowed before the start
  int promptAnswer;      // to the question about the web; 0: none comes
  const char* box;       // the start of the message that follows; nullptr: none
  const char* firstRow;  // the list's first name afterwards
  const char* status;    // the start of the status line afterwards
};

const char kUnreadable[] = "Unable to read the holidays file";
const Row kRows[] = {
    {"PromptYes", "{http}/etag/web.tvh", Action::Load, 0, IDYES, nullptr, "From the web", "Updated "},
    {"PromptNo", "{http}/etag/web.tvh", Action::Load, 0, IDNO, kUnreadable, "From the cache", ""},
    {"SilentServer", "{http}/silent", Action::Load, 1, 0, kUnreadable, "From the cache",
     "Not updated: no answer within 2 seconds"},
    // A byte every half second outlasts ten times a time-out of a second.
    {"Trickle", "{http}/trickle", Action::Load, 1, 0, kUnreadable, "From the cache",
     "Not updated: no answer within 1 second"},
    {"Cancel", "{http}/silent", Action::LoadAndCancel, 1, 0, nullptr, "From the cache", ""},
    {"StartupRefresh", "webcal://127.0.0.1:{port}/etag/web.tvh", Action::Refresh, 1, 0, nullptr, "From the web",
     "Updated "},
    {"SecondStartNotModified", "{http}/etag/web.tvh", Action::SecondStart, 1, 0, nullptr, "From the web", "Checked "},
    // The edit comes before the refresh starts or before its list arrives.
    {"UnsavedEdits", "{http}/slow/web.tvh", Action::EditThenRefresh, 1, 0, nullptr, "Typed here",
     "Not updated: the list has unsaved changes"},
    {"TrustedHttps", "{https}/web.tvh", Action::Load, 1, 0, nullptr, "From the web", "Updated "},
    {"SelfSignedHttps", "{self}/web.tvh", Action::Refresh, 1, 0, nullptr, "From the cache",
     "Not updated: the certificate is not trusted"},
    {"RedirectToHttp", "{https}/to?{http}/web.tvh", Action::Refresh, 1, 0, nullptr, "From the cache",
     "Not updated: the server redirected to an insecure address"},
    {"Huge", "{http}/huge", Action::Refresh, 1, 0, nullptr, "From the cache",
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
  std::ofstream(servers.www + "\\web.tvh", std::ios::binary) << ListText("From the web");
  std::ofstream(cache, std::ios::binary) << ListText("From the cache");
  app::ClearSettings();
  app::WriteText(setting::kHolidayCacheFile, cache);
  const bool loads = row.action == Action::Load || row.action == Action::LoadAndCancel;
  app::WriteText(setting::kHolidayFile, loads ? std::string("C:\\none.tvh") : address);
  app::WriteNumber(setting::kInternetAllowed, row.allowed);
  app::WriteNumber(setting::kWebTimeout, std::strstr(row.address, "trickle") ? 1 : 2);

  if (row.action == Action::SecondStart) {
    // The first start refreshes and keeps the answer's validators.
    AppProcess first(app::Build::Shipped);
    HWND page = first.StartOnPage(kHolidaysPage);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(probe::WaitUntil([&] { return Text(page, IDC_LIST_STATUS).rfind("Updated ", 0) == 0; }, 60000));
    EXPECT_TRUE(first.ExitFromTray(GetParent(page)));
  }
  AppProcess process(app::Build::Shipped);
  HWND page = process.StartOnPage(kHolidaysPage);
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
  // The status line, then the first row.
  const auto shown = [&] {
    return Text(page, IDC_LIST_STATUS) + "|" + probe::ListViewText(GetDlgItem(page, IDC_HOL_LIST), 0, 0);
  };
  const std::string row1 = std::string("|") + row.firstRow;
  EXPECT_TRUE(probe::WaitUntil([&] {
    const std::string now = shown();
    return now.rfind(row.status, 0) == 0 && now.size() >= row1.size() && now.substr(now.size() - row1.size()) == row1;
  }, 60000)) << shown();
  DWORD allowed = 0;
  EXPECT_TRUE(app::ReadNumber(setting::kInternetAllowed, allowed) && allowed == (row.promptAnswer == IDNO ? 0u : 1u));
  if (row.action == Action::SecondStart) {
    EXPECT_NE(std::string::npos, ReadBytes(servers.httpLog).substr(logStart).find("If-None-Match: \""));
  }
  if (row.action == Action::LoadAndCancel) {
    std::string stored;
    EXPECT_TRUE(app::ReadText(setting::kHolidayFile, stored) && stored == "C:\\none.tvh") << stored;
    EXPECT_EQ(ListText("From the cache"), ReadBytes(cache));
  }
  // Unsaved edits would hold the exit with a question: that run just ends.
  if (row.action != Action::EditThenRefresh) {
    EXPECT_TRUE(process.ExitFromTray(window));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WebLists, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
