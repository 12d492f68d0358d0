#include "controls/LinkOpen.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {
// The command line is built in a buffer of this many bytes, its end included.
constexpr size_t kCommandBuffer = 2 * MAX_PATH;
}  // namespace

bool ReadClassesRootValue(const std::string& subKey, std::string& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  char buffer[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = 0;
  const LONG status = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return false;
  // A stored value need not end in a NUL; the extra byte ends it here.
  value.assign(buffer, strnlen(buffer, size));
  return true;
}

bool HtmOpenCommand(const std::string& link, std::string& commandLine) {
  std::string handler;
  std::string command;
  if (!ReadClassesRootValue(".htm", handler)) return false;
  if (!ReadClassesRootValue(handler + "\\shell\\open\\command", command)) return false;
  size_t placeholder = command.find("\"%1\"");
  if (placeholder == std::string::npos) placeholder = command.find("%1");
  if (placeholder != std::string::npos) command.erase(placeholder);
  command += ' ';
  command += link;
  if (command.size() >= kCommandBuffer) return false;
  commandLine = command;
  return true;
}

std::string OpenErrorText(int code) {
  switch (code) {
    case 0:
      return "The operating system is out\nof memory or resources.";
    case SE_ERR_FNF:
      return "The specified file was not found.";
    case SE_ERR_PNF:
      return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED:
      return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM:
      return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT:
      return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE:
      return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE:
      return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
      return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL:
      return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
      return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case SE_ERR_NOASSOC:
      return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND:
      return "The specified dynamic-link library was not found.";
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "Unknown Error (%d) occurred.", code);
      return text;
    }
  }
}
