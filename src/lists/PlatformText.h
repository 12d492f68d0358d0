#pragma once
#include <string>

#include "base/COleDateTime.h"

// The parts of list text handling that belong to the platform. Windows:
// VarDateFromStr with the user's default locale, and the lead bytes of the
// program's code page. The native build has no date parser (every date text
// is "not a date" there), and its text is UTF-8, which has no lead bytes.

// The platform's date parser: invalid 0.0 when the text is not a date,
// invalid -1.0 for any other failure.
COleDateTime ParsePlatformDate(const std::string& text);

// Which bytes begin a double-byte character in the program's code page.
struct LeadByteTable {
  bool lead[256] = {};
  bool any = false;
};
const LeadByteTable& AnsiLeadBytes();

// UTF-8 (iCalendar text) to and from the program's code page. A character
// the code page cannot show becomes "?", as does a byte that is not UTF-8;
// nothing is dropped. Where the code page is UTF-8, only the broken bytes
// change.
std::string Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const std::string& ansi);
