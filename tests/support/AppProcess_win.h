#pragma once
// Tempovista started by a test as a user would start it: the shipped
// Tempovista.exe, or its test build Tempovista_test.exe with the shell
// seam's environment switches; and the registry key it keeps its settings
// in.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "support/WindowProbe_win.h"

namespace app {

constexpr const char* kSettingsKey = "Software\\QRV\\Tempovista";
// Pages of the main window, as StartOnPage counts them.
constexpr int kStopwatchPage = 1;
constexpr int kHolidaysPage = 2;
constexpr int kCountdownsPage = 4;

// One notification-area call the program made, from its shell log.
struct ShellCall {
  std::string op;  // ADD, MODIFY or DELETE
  unsigned flags = 0;
  int result = 0;
  long long clockMs = 0;  // the program's clock, milliseconds since 1970
  std::string tip;
  std::string title;  // a balloon's, where the call carried one
  std::string text;
};

// Which executable: the test build logs its tray calls and can be told to
// fail them; the shipped program has no such switches.
enum class Build { Test, Shipped };

class AppProcess {
 public:
  explicit AppProcess(Build build = Build::Test);
  ~AppProcess();  // ends the process if it still runs
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  // Makes the first `count` shell calls of the next start fail (test build).
  void FailShellCalls(int count) { m_failCount = count; }
  // Starts the program with `arguments` after the program name.
  bool Start(const std::string& arguments = "", WORD showCommand = SW_SHOWNORMAL);
  // The main window, once it exists and is visible (hidden ones count when
  // `visible` is false).
  HWND WaitForMainWindow(DWORD timeoutMs = probe::kPatientMs, bool visible = true);
  // Starts the program shown ("shownow") on page `index` of its window;
  // answers the page (its parent is the window), nullptr when none came.
  HWND StartOnPage(int index);
  bool WaitForExit(DWORD timeoutMs);
  bool IsRunning() const;
  DWORD Pid() const { return m_info.dwProcessId; }
  // The test build's tray calls so far.
  std::vector<ShellCall> ShellLog() const;
  // The exit a user takes from the tray: right-click, then "E&xit"; true
  // once the process has ended.
  bool ExitFromTray(HWND window);

 private:
  Build m_build;
  PROCESS_INFORMATION m_info{};
  std::string m_logPath;
  int m_failCount = 0;
};

// The program of this build, as a Windows path.
std::string ProgramPath(Build build);

// The program's own key, emptied.
void ClearSettings();
bool ReadNumber(const char* name, DWORD& value);
bool ReadText(const char* name, std::string& value);
void WriteNumber(const char* name, DWORD value);
void WriteText(const char* name, const std::string& value);
// Every value under the key: name -> type and bytes.
std::map<std::string, std::string> SettingsSnapshot();

}  // namespace app
