#pragma once
#include <string>

// The pieces of opening a link that do not need the control: the ".htm"
// open command to fall back on when the shell cannot open an address, and
// the reasons shown when neither could.

// The default value of `subKey` under HKEY_CLASSES_ROOT (at most MAX_PATH
// bytes). False when the key or its value cannot be read.
bool ReadClassesRootValue(const std::string& subKey, std::string& value);

// The command line that opens `link` with the program associated with ".htm"
// files: the associated command up to its "%1" placeholder (the quoted one
// first), a space and the address. False when there is no association, or
// when the whole would not fit the command buffer: a cut command line must
// never run.
bool HtmOpenCommand(const std::string& link, std::string& commandLine);

// The reason shown for a shell or WinExec result code.
std::string OpenErrorText(int code);
