#include "framework/ShellNotify.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {
ShellNotifyHook& HookSlot() {
  static ShellNotifyHook hook;
  return hook;
}

// Calls failed so far on behalf of TEMPOVISTA_SHELL_FAIL.
long g_failedByEnvironment = 0;

const char* MessageName(DWORD message) {
  switch (message) {
    case NIM_ADD: return "ADD";
    case NIM_MODIFY: return "MODIFY";
    case NIM_DELETE: return "DELETE";
    default: return "OTHER";
  }
}

std::string EscapedTip(const NOTIFYICONDATAA& data) {
  std::string out;
  // szTip may arrive without a terminator; never read past the field, which
  // the 88-byte form of the record cuts to 64 bytes.
  const size_t field = data.cbSize <= NOTIFYICONDATAA_V1_SIZE ? 64 : sizeof(data.szTip);
  for (size_t i = 0; i < field && data.szTip[i] != '\0'; ++i) {
    char c = data.szTip[i];
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

bool FailByEnvironment() {
  const char* fail = std::getenv("TEMPOVISTA_SHELL_FAIL");
  if (fail == nullptr || *fail == '\0') return false;
  long limit = std::strtol(fail, nullptr, 10);
  if (g_failedByEnvironment >= limit) return false;
  ++g_failedByEnvironment;
  return true;
}

void LogCall(DWORD message, const NOTIFYICONDATAA& data, BOOL result) {
  const char* path = std::getenv("TEMPOVISTA_SHELL_LOG");
  if (path == nullptr || *path == '\0') return;
  FILE* file = std::fopen(path, "ab");
  if (file == nullptr) return;
  std::fprintf(file, "%s flags=%lu result=%d tick=%lu tip=%s\n", MessageName(message),
               static_cast<unsigned long>(data.uFlags), result ? 1 : 0,
               static_cast<unsigned long>(GetTickCount()), EscapedTip(data).c_str());
  std::fclose(file);
}
}  // namespace

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  if (data == nullptr) return FALSE;
  BOOL result;
  if (FailByEnvironment()) {
    result = FALSE;
  } else if (HookSlot()) {
    result = HookSlot()(message, *data) ? TRUE : FALSE;
  } else {
    result = ::Shell_NotifyIconA(message, data) ? TRUE : FALSE;
  }
  LogCall(message, *data, result);
  return result;
}

void SetShellNotifyHook(ShellNotifyHook hook) { HookSlot() = std::move(hook); }
