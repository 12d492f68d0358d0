#include "support/ShellSeamFromEnv_win.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "base/Clock.h"
#include "base/NarrowText_win.h"

namespace {
const char* MessageName(DWORD message) {
  switch (message) {
    case NIM_ADD: return "ADD";
    case NIM_MODIFY: return "MODIFY";
    case NIM_DELETE: return "DELETE";
    default: return "OTHER";
  }
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

// The first form of the record cuts the tooltip to 64 characters and
// carries no balloon.
std::string RecordTexts(const NOTIFYICONDATAW& data) {
  const bool firstForm = data.cbSize <= NOTIFYICONDATAW_V1_SIZE;
  std::string texts = "tip=" + Escaped(FieldText(data.szTip, firstForm ? 64 : ARRAYSIZE(data.szTip)));
  if (data.cbSize >= NOTIFYICONDATAW_V2_SIZE && (data.uFlags & NIF_INFO) != 0) {
    texts += "\ttitle=" + Escaped(FieldText(data.szInfoTitle, ARRAYSIZE(data.szInfoTitle)));
    texts += "\ttext=" + Escaped(FieldText(data.szInfo, ARRAYSIZE(data.szInfo)));
  }
  return texts;
}

void LogCall(const std::string& path, DWORD message, const NOTIFYICONDATAW& data, BOOL result) {
  FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return;
  std::fprintf(file, "%s flags=%lu result=%d clock=%lld %s\n", MessageName(message),
               static_cast<unsigned long>(data.uFlags), result ? 1 : 0, static_cast<long long>(ClockMilliseconds()),
               RecordTexts(data).c_str());
  std::fclose(file);
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}
}  // namespace

std::string FieldText(const WCHAR* field, size_t size) {
  size_t length = 0;
  while (length < size && field[length] != L'\0') ++length;
  std::string text;
  NarrowText(field, length, text, CP_UTF8);
  return text;
}

BOOL RealShellNotifyIcon(DWORD message, const NOTIFYICONDATAW& data) {
  NOTIFYICONDATAW copy = data;
  return ::Shell_NotifyIconW(message, &copy);
}

ShellNotifyHook ShellHookFromEnvironment(ShellNotifyHook answer) {
  const std::string log = Variable("TEMPOVISTA_SHELL_LOG");
  const std::string fail = Variable("TEMPOVISTA_SHELL_FAIL");
  if (log.empty() && fail.empty()) return nullptr;
  auto failLeft = std::make_shared<long>(std::strtol(fail.c_str(), nullptr, 10));
  return [log, failLeft, answer = std::move(answer)](DWORD message, const NOTIFYICONDATAW& data) {
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
