// Timing harness under Wine (not a test): the real main window with its
// Holidays page while a 20 MB list downloads from a server on loopback (this
// harness's own, so that it knows when the last byte went out). Reports the
// window's longest answer to WM_NULL while idle and while the list comes,
// and the time from the last byte sent to the list shown (the worker's parse,
// the message, the window's swap, cache write and page refresh).
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchHost_win.h"
#include "app/CMainDlg.h"
#include "base/ProgramNames.h"
#include "pages/CPPHolidays.h"

namespace {

const size_t kListBytes = 20u * 1024 * 1024;
const DWORD kIdleMs = 3000;

std::atomic<double> g_lastByteMs{0};
std::atomic<double> g_shownMs{0};
std::atomic<int> g_phase{0};  // 0 idle, 1 loading, 2 done
std::vector<double> g_answers[2];
unsigned short g_port = 0;

// Answers one request with the list, then stops.
DWORD WINAPI Serve(void* parameter) {
  const SOCKET listener = reinterpret_cast<SOCKET>(parameter);
  std::string body;
  for (int i = 0; body.size() < kListBytes; ++i)
    body += "Holiday number " + std::to_string(i) + "|" + std::to_string(1 + i % 12) + "/" +
            std::to_string(1 + i % 28) + "/" + std::to_string(1900 + i % 200) + "\r\n";
  const SOCKET client = accept(listener, nullptr, nullptr);
  char request[4096];
  recv(client, request, sizeof request, 0);
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                           "\r\nConnection: close\r\n\r\n";
  send(client, head.data(), static_cast<int>(head.size()), 0);
  for (size_t at = 0; at < body.size(); at += 65536)
    send(client, body.data() + at, static_cast<int>(std::min<size_t>(65536, body.size() - at)), 0);
  g_lastByteMs = BenchHost::NowMs();
  shutdown(client, SD_SEND);
  closesocket(client);
  return 0;
}

// Asks the window for an answer, again and again, from outside its thread.
DWORD WINAPI Ping(void* window) {
  while (g_phase < 2) {
    const int phase = g_phase;
    const double start = BenchHost::NowMs();
    DWORD_PTR ignored;
    SendMessageTimeoutA(static_cast<HWND>(window), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
    g_answers[phase].push_back(BenchHost::NowMs() - start);
    Sleep(5);
  }
  return 0;
}

class BenchDlg : public CMainDlg {
 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    const LRESULT result = CMainDlg::WindowProc(msg, wParam, lParam);
    if (msg == WebListKeeper::kFetchedMessage) {
      g_shownMs = BenchHost::NowMs();
      g_phase = 2;
      PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    }
    return result;
  }
};

BenchDlg* g_dlg = nullptr;

// After the idle phase: the user's load.
void CALLBACK StartLoad(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_phase = 1;
  g_dlg->StartListDownload(DateListKind::Holidays, "http://127.0.0.1:" + std::to_string(g_port) + "/list.tvh");
}

void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  CreateThread(nullptr, 0, Ping, g_dlg->GetSafeHwnd(), 0, nullptr);
  SetTimer(nullptr, 0, kIdleMs, &StartLoad);
}

void Report(const char* what, std::vector<double> times) {
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  std::printf("  %-26s %zu answers, median %.2f ms, max %.2f ms\n", what, times.size(), times[times.size() / 2],
              times.back());
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener, 1);
  int length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  g_port = ntohs(address.sin_port);
  CreateThread(nullptr, 0, Serve, reinterpret_cast<void*>(listener), 0, nullptr);

  BenchHost host;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  host.Settings().SetNumber(setting::kInternetAllowed, 1);
  host.Settings().SetText(setting::kHolidayCacheFile, std::string(temp) + "tv-webbench.tvh");
  BenchDlg dlg;
  CPPHolidays page(&dlg);
  dlg.AddPage(&page);
  theApp.m_pMainWnd = &dlg;
  g_dlg = &dlg;
  SetTimer(nullptr, 0, 200, &Drive);
  const double start = BenchHost::NowMs();
  dlg.DoModal();
  Sleep(50);  // the pinger's last answer

  std::printf("Web list of %zu MB on loopback, %zu holidays in the list:\n", kListBytes >> 20, dlg.m_holidays.size());
  Report("idle window", g_answers[0]);
  Report("window while downloading", g_answers[1]);
  std::printf("  last byte sent to list shown: %.0f ms (whole run %.0f ms)\n", g_shownMs - g_lastByteMs,
              g_shownMs - start);
  return dlg.m_holidays.empty() ? 1 : 0;
}
