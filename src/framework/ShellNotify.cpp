#include "framework/ShellNotify.h"

#include <utility>

namespace {
ShellNotifyHook& HookSlot() {
  static ShellNotifyHook hook;
  return hook;
}
}  // namespace

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW* data) {
  if (data == nullptr) return FALSE;
  if (HookSlot()) return HookSlot()(message, *data) ? TRUE : FALSE;
  return ::Shell_NotifyIconW(message, data) ? TRUE : FALSE;
}

void SetShellNotifyHook(ShellNotifyHook hook) { HookSlot() = std::move(hook); }
