// The prompt and shell seams: what a test sees, and the real calls behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/CWnd.h"
#include "framework/Prompt.h"
#include "framework/ShellNotify.h"
#include "support/ShellSeamFromEnv_win.h"

namespace {

TEST(PromptSeam, HookReadsTheBoxAndAnswersIt) {
  std::vector<MessageBoxCall> calls;
  SetMessageBoxHook([&](const MessageBoxCall& call) {
    calls.push_back(call);
    return IDNO;
  });
  CWnd owner;
  owner.m_hWnd = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(owner.MessageBox("Are you sure?", "Tempovista", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
  SetMessageBoxHook(nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, owner.m_hWnd);
  EXPECT_EQ(calls[0].text, "Are you sure?");
  EXPECT_EQ(calls[0].caption, "Tempovista");
  EXPECT_EQ(calls[0].type, 0x124u);

  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof(file);
  SetOpenFileHook([](OPENFILENAMEA& o) { return lstrcpynA(o.lpstrFile, "C:\\lists\\h.tvh", o.nMaxFile) != nullptr; });
  EXPECT_TRUE(ShowOpenFileDialog(ofn));
  EXPECT_STREQ(file, "C:\\lists\\h.tvh");
  SetOpenFileHook([](OPENFILENAMEA&) { return false; });
  EXPECT_FALSE(ShowOpenFileDialog(ofn));
  SetOpenFileHook(nullptr);
}

// Without a hook the real box comes up; answer it as a user would.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowA("#32770", "Seam caption");
  if (box == nullptr) return;
  KillTimer(nullptr, id);
  PostMessageA(box, WM_COMMAND, IDNO, 0);
}

TEST(PromptSeam, WithoutHookTheRealBoxIsShown) {
  UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBox);
  EXPECT_EQ(ShowMessageBox(nullptr, "Real box", "Seam caption", MB_YESNO), IDNO);
  KillTimer(nullptr, timer);
}

NOTIFYICONDATAW Record(UINT flags, const wchar_t* tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.uID = 1;
  data.uFlags = flags;
  lstrcpynW(data.szTip, tip, ARRAYSIZE(data.szTip));
  return data;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string TempPath(const char* name) {
  char dir[MAX_PATH] = {};
  GetTempPathA(sizeof(dir), dir);
  return std::string(dir) + name;
}

// The hook sees every call in order and its answer is the result.
TEST(ShellSeam, HookAnswersInPlaceOfTheShell) {
  std::vector<std::pair<DWORD, std::string>> seen;
  int calls = 0;
  SetShellNotifyHook([&](DWORD message, const NOTIFYICONDATAW& data) {
    seen.emplace_back(message, FieldText(data.szTip, 64));
    return ++calls != 2;  // the second call fails
  });
  NOTIFYICONDATAW add = Record(NIF_MESSAGE | NIF_ICON | NIF_TIP, L"Tempovista");
  NOTIFYICONDATAW modify = Record(NIF_MESSAGE | NIF_ICON | NIF_TIP, L"Tempovista\n12/7/2026");
  EXPECT_TRUE(ShellNotifyIcon(NIM_ADD, &add));
  EXPECT_FALSE(ShellNotifyIcon(NIM_MODIFY, &modify));
  EXPECT_FALSE(ShellNotifyIcon(NIM_ADD, nullptr));
  SetShellNotifyHook(nullptr);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], std::make_pair(static_cast<DWORD>(NIM_MODIFY), std::string("Tempovista\n12/7/2026")));
}

// The test build's seam for other processes: the first n calls fail
// without reaching the shell, and the log keeps each call on one line,
// whatever the tooltip.
TEST(ShellSeam, EnvironmentFailsTheFirstCallsAndLogsEveryCall) {
  EXPECT_FALSE(ShellHookFromEnvironment(&RealShellNotifyIcon)) << "nothing set: no hook";
  const std::string log = TempPath("tv_shell_seam.log");
  std::remove(log.c_str());
  _putenv_s("TEMPOVISTA_SHELL_LOG", log.c_str());
  _putenv_s("TEMPOVISTA_SHELL_FAIL", "2");
  int reached = 0;
  ShellNotifyHook hook = ShellHookFromEnvironment([&](DWORD, const NOTIFYICONDATAW&) { return ++reached, TRUE; });
  _putenv_s("TEMPOVISTA_SHELL_LOG", "");
  _putenv_s("TEMPOVISTA_SHELL_FAIL", "");
  ASSERT_TRUE(hook);

  NOTIFYICONDATAW add = Record(NIF_MESSAGE | NIF_ICON | NIF_TIP, L"Tempovista");
  NOTIFYICONDATAW modify = Record(NIF_MESSAGE | NIF_ICON | NIF_TIP, L"Tempovista\n12/7/2026 a\\b");
  NOTIFYICONDATAW full = Record(0, L"");
  std::fill(std::begin(full.szTip), std::end(full.szTip), L'y');  // no terminator within the first form's 64
  const BOOL results[] = {hook(NIM_ADD, add), hook(NIM_ADD, add), hook(NIM_MODIFY, modify), hook(NIM_DELETE, full)};
  EXPECT_EQ(std::vector<BOOL>(results, results + 4), (std::vector<BOOL>{FALSE, FALSE, TRUE, TRUE}));
  EXPECT_EQ(reached, 2);

  std::vector<std::string> lines = ReadLines(log);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 26), "ADD flags=7 result=0 clock");
  EXPECT_NE(lines[2].find("MODIFY flags=7 result=1 "), std::string::npos);
  EXPECT_EQ(lines[2].substr(lines[2].find(" tip=")), " tip=Tempovista\\n12/7/2026 a\\\\b");
  EXPECT_EQ(lines[3].substr(lines[3].find(" tip=")), " tip=" + std::string(64, 'y'));
  std::remove(log.c_str());
}

}  // namespace
