#include "support/ShellSeamFromEnv_win.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace {
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
    const char c = data.szTip[i];
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

void LogCall(const std::string& path, DWORD message, const NOTIFYICONDATAA& data, BOOL result) {
  FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return;
  std::fprintf(file, "%s flags=%lu result=%d tick=%lu tip=%s\n", MessageName(message),
               static_cast<unsigned long>(data.uFlags), result ? 1 : 0,
               static_cast<unsigned long>(GetTickCount()), EscapedTip(data).c_str());
  std::fclose(file);
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}
}  // namespace

BOOL RealShellNotifyIcon(DWORD message, const NOTIFYICONDATAA& data) {
  NOTIFYICONDATAA copy = data;
  return ::Shell_NotifyIconA(message, &copy);
}

ShellNotifyHook ShellHookFromEnvironment(ShellNotifyHook answer) {
  const std::string log = Variable("TEMPOVISTA_SHELL_LOG");
  const std::string fail = Variable("TEMPOVISTA_SHELL_FAIL");
  if (log.empty() && fail.empty()) return nullptr;
  auto failLeft = std::make_shared<long>(std::strtol(fail.c_str(), nullptr, 10));
  return [log, failLeft, answer = std::move(answer)](DWORD message, const NOTIFYICONDATAA& data) {
    BOOL result = FALSE;
    if (*failLeft > 0) {
      --*failLeft;
    } else {
      result = answer(message, data) ? TRUE : FALSE;
    }
    if (!log.empty()) LogCall(log, message, data, result);
    return result;
  };
}

bool InstallShellSeamFromEnvironment() {
  ShellNotifyHook hook = ShellHookFromEnvironment(&RealShellNotifyIcon);
  if (!hook) return false;
  SetShellNotifyHook(std::move(hook));
  return true;
}
