#pragma once
#include <string>

#include "base/COleDateTime.h"
#include "base/CodePageText.h"

// The parts of list text handling that belong to the platform. Windows:
// VarDateFromStr with the user's default locale, and the lead bytes of the
// program's code page. The native build has no date parser (every date text
// is "not a date" there), and its text is UTF-8, which has no lead bytes.

// The platform's date parser: invalid 0.0 when the text is not a date,
// invalid -1.0 for any other failure.
COleDateTime ParsePlatformDate(const std::string& text);

// Which bytes begin a double-byte character in the program's code page,
// as CodePageText::IsLeadByte tells them (PlatformText.cpp, both builds).
struct LeadByteTable {
  bool lead[256] = {};
  bool any = false;
};
const LeadByteTable& AnsiLeadBytes();

// The system's legacy code page (the "language for non-Unicode programs"),
// which every earlier version read and wrote list files in; the program's
// own is ProgramCodePage (CodePageText.h). The native build stands in
// Windows-1252.
unsigned LegacyCodePage();

// `text` from code page `from` into code page `to`; unchanged when they are
// the same, but for UTF-8, which comes out well-formed. A character `to`
// cannot hold becomes "?" and sets `*lost`; a byte that is not text in
// `from` reads as U+FFFD. Nothing is dropped. The native build knows
// Windows-1252 and UTF-8 only.
std::string ConvertCodePage(const std::string& text, unsigned from, unsigned to,
                            bool* lost = nullptr);

// UTF-8 (iCalendar text) to and from the program's code page
// (PlatformText.cpp, the same in both builds).
std::string Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const std::string& ansi);
