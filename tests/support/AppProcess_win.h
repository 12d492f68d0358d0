#pragma once
// Tempovista.exe started by a test as a user would start it, with the shell
// seam's environment switches, and the registry key it keeps its settings in.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace app {

constexpr const char* kSettingsKey = "Software\\QRV\\Tempovista";

// One notification-area call the program made, from its shell log.
struct ShellCall {
  std::string op;  // ADD, MODIFY or DELETE
  unsigned flags = 0;
  int result = 0;
  DWORD tick = 0;
  std::string tip;
};

class AppProcess {
 public:
  AppProcess();
  ~AppProcess();  // ends the process if it still runs
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  // Makes the first `count` shell calls of the next start fail.
  void FailShellCalls(int count) { m_failCount = count; }
  // Starts Tempovista.exe with `arguments` after the program name.
  bool Start(const std::string& arguments = "", WORD showCommand = SW_SHOWNORMAL);
  // The main window, once it exists and is visible (hidden ones count when
  // `visible` is false).
  HWND WaitForMainWindow(DWORD timeoutMs = 30000, bool visible = true);
  bool WaitForExit(DWORD timeoutMs);
  bool IsRunning() const;
  DWORD Pid() const { return m_info.dwProcessId; }
  std::vector<ShellCall> ShellLog() const;

 private:
  PROCESS_INFORMATION m_info{};
  std::string m_logPath;
  int m_failCount = 0;
};

// Tempovista.exe of this build, as a Windows path.
std::string ProgramPath();

// The program's own key, emptied.
void ClearSettings();
bool ReadNumber(const char* name, DWORD& value);
bool ReadText(const char* name, std::string& value);
void WriteNumber(const char* name, DWORD value);
void WriteText(const char* name, const std::string& value);
// Every value under the key: name -> type and bytes.
std::map<std::string, std::string> SettingsSnapshot();

}  // namespace app
