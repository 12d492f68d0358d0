#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

// The notification-area call goes through here, so that a test can see what
// was added, modified and deleted, and can make attempts fail.
//
// In-process tests set a hook. Tests that drive Tempovista.exe from another
// process use two environment variables, read at each call:
//   TEMPOVISTA_SHELL_LOG=<file>  every call appends one line to <file>:
//       "<ADD|MODIFY|DELETE> flags=<n> result=<0|1> tick=<GetTickCount> tip=<text>"
//     (the tooltip's line feed is written as the two characters "\n",
//     a backslash as "\\", so each call stays one line).
//   TEMPOVISTA_SHELL_FAIL=<n>    the first n calls of the process fail
//     (answer FALSE) without reaching the hook or the shell.
// A hook, when set, answers in place of the shell; the log is written for
// every call, whoever answered it.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);

// The hook is called in place of the shell and answers its result.
using ShellNotifyHook = std::function<BOOL(DWORD message, const NOTIFYICONDATAA& data)>;
void SetShellNotifyHook(ShellNotifyHook hook);  // empty: the real shell
