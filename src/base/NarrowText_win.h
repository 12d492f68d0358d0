#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// The program's 8-bit text and UTF-16, both ways; the 8-bit side is by
// default in the program's code page (CP_ACP), as the rest of its text is.

// Wide text in a code page's 8-bit form. A character the code page cannot
// show becomes "?", not a best-fit look-alike that would read back as
// something else, and sets `*lost` when given. False (and `out` empty) when
// the text cannot be converted.
bool NarrowText(const wchar_t* text, size_t length, std::string& out, UINT codePage = CP_ACP,
                bool* lost = nullptr);

// 8-bit text as UTF-16, for the W calls (GDI, records of fixed wide fields);
// empty when it cannot be converted.
std::wstring WideText(const std::string& text, UINT codePage = CP_ACP);

// As much of the program's text as a field of `size` characters holds,
// with its terminator, cut on a whole character.
void CopyTextField(wchar_t* field, size_t size, const std::string& text);
void CopyTextField(char* field, size_t size, const std::string& text);
