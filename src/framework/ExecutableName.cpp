#include "framework/ExecutableName.h"

#include <windows.h>

namespace {

std::string ExecutablePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

}  // namespace

std::string ExecutableName() {
  std::string name = ExecutablePath();
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string ExecutableFolder() {
  std::string folder = ExecutablePath();
  const size_t slash = folder.find_last_of("\\/");
  folder.erase(slash == std::string::npos ? 0 : slash);
  return folder;
}
