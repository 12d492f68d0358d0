// Tempovista under Wine, started and driven from outside as a user would:
// the registry it leaves, a second start, the command line, the exit paths
// and a shell that refuses the tray icon. The test build shows the tray
// calls; the command line is tried on the shipped program.
#include <windows.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CMainDlg.h"
#include "base/ProgramNames.h"
#include "support/AppProcess_win.h"
#include "support/WindowProbe_win.h"

namespace {

using app::AppProcess;

// Long enough for the start-up timer (half a second after the window
// shows) to have put the window into its stored state.
const DWORD kStartupSettleMs = 2000;

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override { app::ClearSettings(); }
  void TearDown() override { app::ClearSettings(); }

  DWORD Number(const char* name) {
    DWORD value = 0xDEAD;
    app::ReadNumber(name, value);
    return value;
  }
  std::string Text(const char* name) {
    std::string value = "<missing>";
    app::ReadText(name, value);
    return value;
  }
};

TEST_F(AppTest, FirstRunWritesTheThreeCachePathsAndExitRemovesTheTrayIcon) {
  AppProcess process;
  ASSERT_TRUE(process.Start());
  HWND window = process.WaitForMainWindow();
  ASSERT_NE(window, nullptr);

  char documents[MAX_PATH] = {};
  ASSERT_GE(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents), 0);
  EXPECT_EQ(Text(setting::kHolidayCacheFile), std::string(documents) + "\\TVcache.tvh");
  EXPECT_EQ(Text(setting::kEventCacheFile), std::string(documents) + "\\TVcache.tve");
  EXPECT_EQ(Text(setting::kCounterCacheFile), std::string(documents) + "\\TVcache.tvc");

  ASSERT_TRUE(process.ExitFromTray(window));
  const std::vector<app::ShellCall> calls = process.ShellLog();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.front().op, "ADD");
  EXPECT_EQ(calls.front().flags, 7u);
  EXPECT_EQ(calls.front().tip, kProgramTitle);
  EXPECT_EQ(calls.back().op, "DELETE");
  EXPECT_EQ(calls.back().flags, 0u);
}

TEST_F(AppTest, SecondStartBringsTheHiddenFirstWindowForwardAndChangesNoSetting) {
  AppProcess first;
  ASSERT_TRUE(first.Start());
  HWND window = first.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  Sleep(kStartupSettleMs);
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(window); }, probe::kPatientMs));
  ASSERT_TRUE(probe::WaitUntil([&] { return Number(setting::kWindowHide) == 1; }, probe::kPatientMs));
  const auto before = app::SettingsSnapshot();

  AppProcess second;
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(second.WaitForExit(30000)) << "the second instance ends at once";
  EXPECT_TRUE(probe::WaitUntil([&] { return IsWindowVisible(window) && !IsIconic(window); }, probe::kPatientMs))
      << "the first window is shown and restored";
  EXPECT_EQ(app::SettingsSnapshot(), before);
  EXPECT_EQ(Number(setting::kWindowHide), 1u);
  EXPECT_EQ(Number(setting::kWindowMinimised), 1u);
  EXPECT_TRUE(second.ShellLog().empty()) << "no tray icon of its own";
  EXPECT_TRUE(first.IsRunning());
  EXPECT_TRUE(first.ExitFromTray(window));
}

struct ShowNowCase {
  const char* arguments;
  bool shown;
};

TEST_F(AppTest, ShowNowInAnyCaseClearsTheStoredHiddenState) {
  const ShowNowCase cases[] = {{"xSHOWNOWx", true}, {"show now", false}};
  for (const ShowNowCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    app::ClearSettings();
    app::WriteNumber(setting::kWindowHide, 1);
    app::WriteNumber(setting::kWindowMinimised, 1);
    AppProcess process(app::Build::Shipped);
    ASSERT_TRUE(process.Start(c.arguments));
    HWND window = process.WaitForMainWindow(probe::kPatientMs, false);
    ASSERT_NE(window, nullptr);
    Sleep(kStartupSettleMs);
    EXPECT_EQ(IsWindowVisible(window) != FALSE, c.shown);
    EXPECT_EQ(Number(setting::kWindowHide), c.shown ? 0u : 1u);
    EXPECT_EQ(Number(setting::kWindowMinimised), c.shown ? 0u : 1u);
    EXPECT_TRUE(process.ExitFromTray(window));
  }
}

// Also: a stored cache path is left alone at start-up, whatever it names,
// but for one with the "?"s of an earlier version on an older code page.
TEST_F(AppTest, SystemMenuExitAsksFirstAndNoLeavesEverythingAsItWas) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, app::kSettingsKey, &key), ERROR_SUCCESS);
  const char elsewhere[] = "D:\\moved\\holidays.cache";
  const char lost[] = "C:\\users\\????\\Documents\\TVcache.tve";
  const char longPath[] = "\\\\?\\D:\\moved\\counters.cache";
  RegSetValueExA(key, setting::kHolidayCacheFile, 0, REG_SZ, reinterpret_cast<const BYTE*>(elsewhere), sizeof elsewhere);
  RegSetValueExA(key, setting::kEventCacheFile, 0, REG_SZ, reinterpret_cast<const BYTE*>(lost), sizeof lost);
  RegSetValueExA(key, setting::kCounterCacheFile, 0, REG_SZ, reinterpret_cast<const BYTE*>(longPath), sizeof longPath);
  RegCloseKey(key);

  AppProcess process;
  ASSERT_TRUE(process.Start("shownow"));
  HWND window = process.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  Sleep(kStartupSettleMs);
  EXPECT_EQ(Text(setting::kHolidayCacheFile), elsewhere);
  char documents[MAX_PATH] = {};
  ASSERT_GE(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents), 0);
  EXPECT_EQ(Text(setting::kEventCacheFile), std::string(documents) + "\\TVcache.tve");
  EXPECT_EQ(Text(setting::kCounterCacheFile), longPath);
  const auto before = app::SettingsSnapshot();

  for (int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer == IDNO ? "No" : "Yes");
    PostMessageA(window, WM_SYSCOMMAND, 1, 0);
    HWND box = nullptr;
    ASSERT_TRUE(probe::WaitUntil([&] { return (box = probe::FindMessageBox(process.Pid())) != nullptr; }, probe::kPatientMs));
    EXPECT_EQ(probe::MessageBoxText(box), "Are you sure you want to terminate this application");
    EXPECT_EQ(probe::WindowTitle(box), kProgramTitle);
    probe::AnswerMessageBox(box, answer);
    if (answer == IDNO) {
      EXPECT_TRUE(probe::WaitUntil([&] { return probe::FindMessageBox(process.Pid()) == nullptr; }, probe::kPatientMs));
      EXPECT_TRUE(process.IsRunning());
      EXPECT_TRUE(IsWindowVisible(window));
      EXPECT_EQ(app::SettingsSnapshot(), before);
      for (const app::ShellCall& call : process.ShellLog()) EXPECT_NE(call.op, "DELETE");
    }
  }
  EXPECT_TRUE(process.WaitForExit(15000));
  const std::vector<app::ShellCall> calls = process.ShellLog();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().op, "DELETE");
  EXPECT_EQ(app::SettingsSnapshot(), before) << "nothing is saved at exit";
}

TEST_F(AppTest, RefusedTrayIconIsTriedFiveTimesAndANewTaskBarGetsItBack) {
  AppProcess process;
  process.FailShellCalls(5);
  ASSERT_TRUE(process.Start("shownow"));
  HWND window = process.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(probe::WaitUntil([&] { return process.ShellLog().size() >= 5; }, probe::kPatientMs));
  Sleep(kStartupSettleMs);

  std::vector<app::ShellCall> calls = process.ShellLog();
  ASSERT_GE(calls.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(calls[i].op, "ADD");
    EXPECT_EQ(calls[i].result, 0);
    if (i > 0) {
      EXPECT_GE(calls[i].clockMs - calls[i - 1].clockMs, 450) << "attempt " << i + 1;
    }
  }
  // Without an icon the window still answers: hide it and bring it back.
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(probe::WaitUntil([&] { return !IsWindowVisible(window); }, probe::kPatientMs));
  PostMessageA(window, WM_TRAYICON_NOTIFY, 1, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(probe::WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, probe::kPatientMs));
  // A new task bar (Explorer restarted) gets the icon added, with the day's
  // tooltip that the first tick gave it.
  const size_t before = process.ShellLog().size();
  PostMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(probe::WaitUntil([&] { return process.ShellLog().size() > before; }, probe::kPatientMs));
  calls = process.ShellLog();
  ASSERT_GT(calls.size(), before);
  EXPECT_EQ(calls[before].op, "ADD");
  EXPECT_EQ(calls[before].tip.rfind("Tempovista\\n", 0), 0u) << calls[before].tip;
  EXPECT_TRUE(process.IsRunning());
  EXPECT_TRUE(process.ExitFromTray(window));
}

}  // namespace
