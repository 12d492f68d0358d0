#include "support/AppProcess_win.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/CMainDlg.h"
#include "support/WindowProbe_win.h"

namespace app {
namespace {
std::string WindowsPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  if (!path.empty() && path[0] == '\\') path = "Z:" + path;  // a Unix path, through Wine's Z: drive
  return path;
}

// A number field ends at a space; the texts (tip, title, text) at a tab.
std::string Field(const std::string& line, const char* name, char before = ' ', char after = ' ') {
  const std::string key = before + std::string(name) + "=";
  size_t at = line.find(key);
  if (at == std::string::npos) return std::string();
  at += key.size();
  return line.substr(at, line.find(after, at) - at);
}
}  // namespace

std::string ProgramPath(Build build) {
  const char* dir = std::getenv("TV_BINARY_DIR");
  const char* name = build == Build::Shipped ? "/Tempovista.exe" : "/Tempovista_test.exe";
  return WindowsPath(std::string(dir != nullptr ? dir : ".") + name);
}

AppProcess::AppProcess(Build build) : m_build(build) {
  char dir[MAX_PATH] = {};
  char file[MAX_PATH] = {};
  GetTempPathA(sizeof(dir), dir);
  GetTempFileNameA(dir, "tvs", 0, file);
  m_logPath = file;
}

AppProcess::~AppProcess() {
  if (IsRunning()) {
    TerminateProcess(m_info.hProcess, 1);
    WaitForSingleObject(m_info.hProcess, 5000);
  }
  if (m_info.hProcess != nullptr) CloseHandle(m_info.hProcess);
  if (m_info.hThread != nullptr) CloseHandle(m_info.hThread);
  DeleteFileA(m_logPath.c_str());
}

bool AppProcess::Start(const std::string& arguments, WORD showCommand) {
  DeleteFileA(m_logPath.c_str());
  if (m_build == Build::Test) {
    SetEnvironmentVariableA("TEMPOVISTA_SHELL_LOG", m_logPath.c_str());
    SetEnvironmentVariableA("TEMPOVISTA_SHELL_FAIL", m_failCount > 0 ? std::to_string(m_failCount).c_str() : nullptr);
  }
  std::string commandLine = "\"" + ProgramPath(m_build) + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = showCommand;
  BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &m_info);
  SetEnvironmentVariableA("TEMPOVISTA_SHELL_LOG", nullptr);
  SetEnvironmentVariableA("TEMPOVISTA_SHELL_FAIL", nullptr);
  return started != FALSE;
}

HWND AppProcess::WaitForMainWindow(DWORD timeoutMs, bool visible) {
  HWND found = nullptr;
  probe::WaitUntil(
      [&] {
        found = probe::FindMainWindow(Pid());
        return found != nullptr && (!visible || IsWindowVisible(found));
      },
      timeoutMs);
  return found != nullptr && (!visible || IsWindowVisible(found)) ? found : nullptr;
}

HWND AppProcess::StartOnPage(int index) {
  if (!Start("shownow")) return nullptr;
  HWND window = WaitForMainWindow();
  return window != nullptr ? probe::SelectPage(window, index) : nullptr;
}

bool AppProcess::WaitForExit(DWORD timeoutMs) {
  return m_info.hProcess != nullptr && WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool AppProcess::IsRunning() const {
  return m_info.hProcess != nullptr && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool AppProcess::ExitFromTray(HWND window) {
  PostMessageA(window, WM_TRAYICON_NOTIFY, 1, WM_RBUTTONUP);
  HWND menu = nullptr;
  if (!probe::WaitUntil([&] { return (menu = probe::FindPopupMenu(Pid())) != nullptr; }, probe::kPatientMs)) {
    return false;
  }
  probe::ChooseMenuItem(menu, 'x');
  return WaitForExit(probe::kPatientMs);
}

std::vector<ShellCall> AppProcess::ShellLog() const {
  std::vector<ShellCall> calls;
  std::ifstream in(m_logPath);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ShellCall call;
    call.op = line.substr(0, line.find(' '));
    call.flags = static_cast<unsigned>(std::strtoul(Field(line, "flags").c_str(), nullptr, 10));
    call.result = std::atoi(Field(line, "result").c_str());
    call.clockMs = std::strtoll(Field(line, "clock").c_str(), nullptr, 10);
    call.tip = Field(line, "tip", ' ', '\t');
    call.title = Field(line, "title", '\t', '\t');
    call.text = Field(line, "text", '\t', '\t');
    calls.push_back(call);
  }
  return calls;
}

void ClearSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

bool ReadNumber(const char* name, DWORD& value) {
  DWORD size = sizeof(value);
  return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
         ERROR_SUCCESS;
}

bool ReadText(const char* name, std::string& value) {
  char text[1024] = {};
  DWORD size = sizeof(text) - 1;
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return false;
  value.assign(text, strnlen(text, size));
  return true;
}

void WriteNumber(const char* name, DWORD value) {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  RegCloseKey(key);
}

void WriteText(const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

std::map<std::string, std::string> SettingsSnapshot() {
  std::map<std::string, std::string> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[256] = {};
    BYTE data[2048] = {};
    DWORD nameSize = sizeof(name);
    DWORD dataSize = sizeof(data);
    DWORD type = 0;
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
    values[name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
  }
  RegCloseKey(key);
  return values;
}

}  // namespace app
