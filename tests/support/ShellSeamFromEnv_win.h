#pragma once
// The shell seam for tests that drive the program from another process:
// Tempovista_test.exe, the program's test build, installs it at start from
// two environment variables:
//   TEMPOVISTA_SHELL_LOG=<file>  every call appends one line to <file>:
//       "<ADD|MODIFY|DELETE> flags=<n> result=<0|1> clock=<ms> tip=<text>"
//     (clock: the program's clock, milliseconds since 1970; GetTickCount
//     under Wine was seen to lag on a busy machine)
//     and, when the record carries a balloon (at least the second form's
//     size, NIF_INFO), a tab, "title=<text>", a tab, "text=<text>"
//     (the texts in UTF-8; a line feed is written as the two characters
//     "\n", a tab as "\t", a backslash as "\\", so each call stays one line).
//   TEMPOVISTA_SHELL_FAIL=<n>    the first n calls of the process fail
//     (answer FALSE) without reaching the shell.
#include <string>

#include "framework/ShellNotify.h"

// A record's wide text field as UTF-8, up to its terminator or `size`
// characters: a field may arrive without a terminator.
std::string FieldText(const WCHAR* field, size_t size);

// The hook the two variables describe, as they are now; `answer` answers
// the calls that are not made to fail. Empty when neither is set.
ShellNotifyHook ShellHookFromEnvironment(ShellNotifyHook answer);

// The real shell, as a hook.
BOOL RealShellNotifyIcon(DWORD message, const NOTIFYICONDATAW& data);

// Sets the hook from the environment, in front of the real shell; true when
// either variable was set.
bool InstallShellSeamFromEnvironment();
