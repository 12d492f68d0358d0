#pragma once
#include <windows.h>

#include <string>

// Puts the program's text on the clipboard as UTF-16 (CF_UNICODETEXT) with
// the user's locale (CF_LOCALE), from which the system makes the 8-bit
// forms other programs ask for: 8-bit text written by the program would be
// in its own code page, UTF-8, which they would read in theirs. False when
// the clipboard could not be had (another program holds it open).
bool CopyTextToClipboard(HWND owner, const std::string& text);
