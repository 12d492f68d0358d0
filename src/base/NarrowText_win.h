#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Wide text in a code page's 8-bit form, by default the system's ANSI code
// page, as the rest of the program's text is. A character the code page
// cannot show becomes "?", not a best-fit look-alike that would read back as
// something else, and sets `*lost` when given. False (and `out` empty) when
// the text cannot be converted.
bool NarrowText(const wchar_t* text, size_t length, std::string& out, UINT codePage = CP_ACP,
                bool* lost = nullptr);
