#include "base/CodePageText.h"
#include "lists/PlatformText.h"

COleDateTime ParsePlatformDate(const std::string&) {
  return COleDateTime(0.0, COleDateTime::invalid);
}

const LeadByteTable& AnsiLeadBytes() {
  static const LeadByteTable none;
  return none;
}

// The native build's code page is UTF-8: only broken bytes change.
std::string Utf8ToAnsi(const std::string& utf8) { return CodePageText(kUtf8CodePage).Repaired(utf8); }

std::string AnsiToUtf8(const std::string& ansi) { return CodePageText(kUtf8CodePage).Repaired(ansi); }
