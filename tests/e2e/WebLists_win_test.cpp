// Web lists in the running program, driven as a user would: the prompt, the
// window answering through a download, Cancel, time-outs, start-up
// refreshes and their conditional second start, unsaved edits, and https.
#include <windows.h>
#include <commctrl.h>
#include <wincrypt.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "base/ProgramNames.h"
#include "resource.h"
#include "support/AppProcess_win.h"
#include "support/TestPaths.h"
#include "support/WindowProbe_win.h"

namespace {

using app::AppProcess;

const int kHolidaysPage = 2;

std::string ServerDir() { return LaneFolder() + "\\list-servers"; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

int Port(const std::string& name) {
  std::istringstream ports(ReadAll(ServerDir() + "\\ports"));
  std::string key;
  int port = 0;
  while (ports >> key >> port)
    if (key == name) return port;
  return 0;
}

// A one-day list for today, so that the page's rows (this month's) show it.
std::string ListText(const char* name) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  char line[128];
  snprintf(line, sizeof line, "%s|%04d/%02d/%02d\r\n", name, today.wYear, today.wMonth, today.wDay);
  return line;
}

// The throwaway CA the fixture's https server was made with, trusted in
// this prefix from now on.
void TrustTestAuthority() {
  const std::string pem = ReadAll(ServerDir() + "\\tls\\ca.crt");
  BYTE der[4096];
  DWORD size = sizeof der;
  ASSERT_TRUE(CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, der, &size, nullptr, nullptr));
  HCERTSTORE root = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, "ROOT");
  ASSERT_NE(root, nullptr);
  EXPECT_TRUE(CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, der, size, CERT_STORE_ADD_REPLACE_EXISTING,
                                               nullptr));
  CertCloseStore(root, 0);
}

enum class Action { Refresh, Load, LoadAndCancel, EditThenRefresh };

struct Row {
  const char* name;
  const char* address;  // {http}, {https}, {self} stand for the servers
  Action action;
  DWORD allowed;        // InternetAllowed before the start
  int promptAnswer;     // to the question about the web; 0: none comes
  const char* box;      // the start of the message that follows; nullptr: none
  const char* firstRow; // the list's first name afterwards
  const char* status;   // the start of the status line afterwards
};

const Row kRows[] = {
    {"PromptYes", "{http}/etag/web.tvh", Action::Load, 0, IDYES, nullptr, "From the web", "Updated "},
    {"PromptNo", "{http}/etag/web.tvh", Action::Load, 0, IDNO, "Unable to read the holidays file", "From the cache", ""},
    {"SilentServer", "{http}/silent", Action::Load, 1, 0, "Unable to read the holidays file", "From the cache",
     "Not updated: no answer within 2 seconds"},
    // A byte every half second outlasts ten times the time-out of a second.
    {"Trickle", "{http}/trickle", Action::Load, 1, 0, "Unable to read the holidays file", "From the cache",
     "Not updated: no answer within 1 second"},
    {"Cancel", "{http}/silent", Action::LoadAndCancel, 1, 0, nullptr, "From the cache", ""},
    {"StartupRefresh", "webcal://127.0.0.1:{port}/etag/web.tvh", Action::Refresh, 1, 0, nullptr, "From the web",
     "Updated "},
    {"SecondStartNotModified", "{http}/etag/web.tvh", Action::Refresh, 1, 0, nullptr, "From the web",
     "Checked "},
    {"UnsavedEdits", "{http}/etag/web.tvh", Action::EditThenRefresh, 1, 0, nullptr, "Typed here",
     "Not updated: the list has unsaved changes"},
    {"TrustedHttps", "{https}/web.tvh", Action::Load, 1, 0, nullptr, "From the web", "Updated "},
    {"SelfSignedHttps", "{self}/web.tvh", Action::Refresh, 1, 0, nullptr, "From the cache",
     "Not updated: the certificate is not trusted"},
    {"RedirectToHttp", "{https}/to?{http}/web.tvh", Action::Refresh, 1, 0, nullptr, "From the cache",
     "Not updated: the server redirected to an insecure address"},
    {"Huge", "{http}/huge", Action::Refresh, 1, 0, nullptr, "From the cache",
     "Not updated: the list is larger than 64 MB"},
};

std::string Expand(std::string text) {
  const std::pair<const char*, std::string> names[] = {
      {"{http}", "http://127.0.0.1:" + std::to_string(Port("http"))},
      {"{https}", "https://localhost:" + std::to_string(Port("https"))},
      {"{self}", "https://localhost:" + std::to_string(Port("selfsigned"))},
      {"{port}", std::to_string(Port("http"))}};
  for (const auto& [name, value] : names)
    for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, std::strlen(name), value);
  return text;
}

// A control's text, read with the main window never blocking the test.
std::string Text(HWND page, int id) { return probe::ControlText(GetDlgItem(page, id)); }

class WebLists : public ::testing::TestWithParam<Row> {};

TEST_P(WebLists, AsTheUserSeesThem) {
  const Row& row = GetParam();
  TrustTestAuthority();
  const std::string cache = LaneFolder() + "\\web-cache.tvh";
  std::ofstream(ServerDir() + "\\www\\web.tvh", std::ios::binary) << ListText("From the web");
  const std::string address = Expand(row.address);
  const std::string log = ServerDir() + "\\http.log";
  const size_t logStart = ReadAll(log).size();
  app::ClearSettings();
  std::ofstream(cache, std::ios::binary) << ListText("From the cache");
  app::WriteText(setting::kHolidayCacheFile, cache);
  app::WriteText(setting::kHolidayFile, row.action == Action::Refresh ? address : std::string("C:\\none.tvh"));
  app::WriteNumber(setting::kInternetAllowed, row.allowed);
  app::WriteNumber(setting::kWebTimeout, std::string(row.name) == "Trickle" ? 1 : 2);
  if (row.action == Action::EditThenRefresh) app::WriteText(setting::kHolidayFile, Expand("{http}/slow/web.tvh"));

  if (std::string(row.name) == "SecondStartNotModified") {
    // The first start refreshes and keeps the answer's validators.
    AppProcess first(app::Build::Shipped);
    HWND firstPage = first.StartOnPage(kHolidaysPage);
    ASSERT_NE(firstPage, nullptr);
    ASSERT_TRUE(probe::WaitUntil([&] { return Text(firstPage, IDC_LIST_STATUS).rfind("Updated ", 0) == 0; }, 60000));
    first.ExitFromTray(GetParent(firstPage));
  }
  AppProcess process(app::Build::Shipped);
  HWND page = process.StartOnPage(kHolidaysPage);
  ASSERT_NE(page, nullptr);
  HWND window = GetParent(page);
  const auto answers = [&] {
    DWORD_PTR ignored;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
  };
  DWORD_PTR ignored;
  if (row.action == Action::EditThenRefresh) {
    SendMessageTimeoutA(GetDlgItem(page, IDC_LIST_NAME), WM_SETTEXT, 0, LPARAM("Typed here"), SMTO_ABORTIFHUNG, 5000, &ignored);
    SendMessageTimeoutA(GetDlgItem(page, IDC_LIST_ADD), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  }
  if (row.action == Action::Load || row.action == Action::LoadAndCancel) {
    SendMessageTimeoutA(GetDlgItem(page, IDC_LIST_LOCATION), WM_SETTEXT, 0, LPARAM(address.c_str()), SMTO_ABORTIFHUNG,
                        5000, &ignored);
    SendMessageTimeoutA(GetDlgItem(page, IDC_HOL_LOAD), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 300, &ignored);
  }
  HWND box = nullptr;
  if (row.promptAnswer != 0) {
    ASSERT_TRUE(probe::WaitUntil([&] { return (box = probe::FindMessageBox(process.Pid())) != nullptr; }, 20000));
    EXPECT_EQ("Loading lists from web addresses is turned off.\n\nTurn it on and load this address?",
              probe::MessageBoxText(box));
    probe::AnswerMessageBox(box, row.promptAnswer);
  }
  if (row.action == Action::LoadAndCancel) {
    ASSERT_TRUE(probe::WaitUntil([&] { return Text(page, IDC_LIST_STATUS) == "Loading... 0 KB"; }, 20000));
    EXPECT_EQ("&Cancel", Text(page, IDC_HOL_LOAD));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_LIST_LOCATION)));
    EXPECT_TRUE(answers());
    SendMessageTimeoutA(GetDlgItem(page, IDC_HOL_LOAD), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    EXPECT_EQ("&Load File", Text(page, IDC_HOL_LOAD));
  }
  if (row.box != nullptr) {
    // The window answers all the while the fetch waits out its time-out.
    bool answered = true;
    ASSERT_TRUE(probe::WaitUntil([&] { answered = answered && answers();
                                       return (box = probe::FindMessageBox(process.Pid())) != nullptr; }, 60000));
    EXPECT_TRUE(answered);
    EXPECT_EQ(0u, probe::MessageBoxText(box).find(row.box)) << probe::MessageBoxText(box);
    probe::AnswerMessageBox(box, IDOK);
  }
  EXPECT_TRUE(probe::WaitUntil([&] { return Text(page, IDC_LIST_STATUS).rfind(row.status, 0) == 0 &&
                                            probe::ListViewText(GetDlgItem(page, IDC_HOL_LIST), 0, 0) == row.firstRow; },
                               60000))
      << Text(page, IDC_LIST_STATUS) << " / " << probe::ListViewText(GetDlgItem(page, IDC_HOL_LIST), 0, 0);
  EXPECT_EQ(row.promptAnswer == IDNO ? 0u : 1u, [] { DWORD v = 0; app::ReadNumber(setting::kInternetAllowed, v); return v; }());
  const std::string requests = ReadAll(log).substr(logStart);
  if (std::string(row.name) == "SecondStartNotModified") {
    EXPECT_NE(std::string::npos, requests.find("If-None-Match: \""));
  }
  if (row.action == Action::LoadAndCancel) {
    EXPECT_EQ(ListText("From the cache"), ReadAll(cache));
    std::string stored;
    EXPECT_TRUE(app::ReadText(setting::kHolidayFile, stored) && stored == "C:\\none.tvh") << stored;
  }
  // Unsaved edits would hold the exit with a question: that run just ends.
  if (row.action != Action::EditThenRefresh) {
    EXPECT_TRUE(process.ExitFromTray(window));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WebLists, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
