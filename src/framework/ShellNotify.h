#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

// The notification-area call goes through here, so that a test can see what
// was added, modified and deleted, and can make attempts fail: a hook, when
// set, answers in place of the shell.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);

// The hook is called in place of the shell and answers its result.
using ShellNotifyHook = std::function<BOOL(DWORD message, const NOTIFYICONDATAA& data)>;
void SetShellNotifyHook(ShellNotifyHook hook);  // empty: the real shell
