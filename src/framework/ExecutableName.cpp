#include "framework/ExecutableName.h"

#include <windows.h>

#include "base/CodePageText.h"

namespace {

// Room for MAX_PATH characters of three bytes each in UTF-8.
constexpr DWORD kPathRoom = 3 * MAX_PATH;

std::string ExecutablePath() {
  char path[kPathRoom] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, kPathRoom);
  return std::string(path, length < kPathRoom ? length : 0);
}

}  // namespace

std::string ExecutableName() {
  std::string name = ExecutablePath();
  const size_t slash = CodePageText().FindLastOf(name, "\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string ExecutableFolder() {
  std::string folder = ExecutablePath();
  const size_t slash = CodePageText().FindLastOf(folder, "\\/");
  folder.erase(slash == std::string::npos ? 0 : slash);
  return folder;
}
