#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

// The notification-area call goes through here, so that a test can see what
// was added, modified and deleted, and can make attempts fail: a hook, when
// set, answers in place of the shell. The records are the wide ones, so
// that the tooltip and balloon fields count characters, not bytes.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW* data);

// The hook is called in place of the shell and answers its result.
using ShellNotifyHook = std::function<BOOL(DWORD message, const NOTIFYICONDATAW& data)>;
void SetShellNotifyHook(ShellNotifyHook hook);  // empty: the real shell
